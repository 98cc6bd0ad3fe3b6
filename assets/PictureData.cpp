#include "assets/PictureData.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>

#include "platform/Bmp.h"

namespace {

// The sides a PNG declares in its header chunk, so that a huge picture is refused before
// its pixels are allocated; a file that does not start as a PNG is left to the decoder.
bool PngSidesWithin(std::span<const uint8_t> bytes) {
  constexpr std::array<uint8_t, 16> kStart{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,
                                           0,    0,   0,   13,  'I',  'H',  'D',  'R'};
  if (bytes.size() < 24 || !std::equal(kStart.begin(), kStart.end(), bytes.begin())) return true;
  auto side = [&](size_t at) {
    return uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 | uint32_t(bytes[at + 2]) << 8 |
           uint32_t(bytes[at + 3]);
  };
  return side(16) <= uint32_t(kMaxPictureSide) && side(20) <= uint32_t(kMaxPictureSide);
}

uint32_t ReadUint32(std::span<const uint8_t> bytes, size_t at) {
  return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
         uint32_t(bytes[at + 3]) << 24;
}

}  // namespace

bool DecodePicture(TPictureFormat format, std::span<const uint8_t> bytes, TPixmap& picture,
                   std::string& error) {
  std::optional<TPixmap> decoded;
  if (format == TPictureFormat::Png) {
    if (!PngSidesWithin(bytes)) {
      error = "picture larger than 8192 pixels";
      return false;
    }
    decoded = DecodePng(bytes, error);
  } else {
    decoded = DecodeBmp(bytes, kMaxPictureSide, error);
  }
  if (!decoded) return false;
  if (decoded->Width > kMaxPictureSide || decoded->Height > kMaxPictureSide) {
    error = "picture larger than 8192 pixels";
    return false;
  }
  picture = std::move(*decoded);
  return true;
}

bool DecodePictureData(std::span<const uint8_t> block, TPixmap& picture, std::string& error) {
  picture = {};
  if (block.empty() || block[0] >= block.size()) {
    error = "picture data without its class name";
    return false;
  }
  std::string_view className(reinterpret_cast<const char*>(block.data() + 1), block[0]);
  std::span<const uint8_t> data = block.subspan(1 + block[0]);
  if (className == "TPNGObject") return DecodePicture(TPictureFormat::Png, data, picture, error);
  if (className == "TBitmap") {
    if (data.size() < 4 || ReadUint32(data, 0) > data.size() - 4) {
      error = "bitmap size beyond the picture data";
      return false;
    }
    uint32_t size = ReadUint32(data, 0);
    if (size == 0) return true;  // a bitmap object with no picture in it
    return DecodePicture(TPictureFormat::Bmp, data.subspan(4, size), picture, error);
  }
  return true;  // icons, metafiles and unknown classes: no picture
}

bool DecodePictureBlocks(const std::vector<TPictureJob>& jobs, std::string& error) {
  struct TOutcome {
    bool Ok = true;
    std::string Error;
    std::exception_ptr Exception;  // out of memory, say: it travels back to the caller's thread
  };
  std::vector<TOutcome> outcomes(jobs.size());
  std::atomic<size_t> next{0};
  auto work = [&] {
    for (size_t i = next++; i < jobs.size(); i = next++) {
      try {
        outcomes[i].Ok = DecodePictureData(jobs[i].Block, *jobs[i].Picture, outcomes[i].Error);
      } catch (...) {
        outcomes[i].Exception = std::current_exception();
      }
    }
  };
  constexpr size_t kMostThreads = 4;
  const size_t helpers = std::min({size_t(std::max(1u, std::thread::hardware_concurrency())), kMostThreads,
                                   std::max<size_t>(jobs.size(), 1)}) -
                         1;
  {
    std::vector<std::jthread> threads;
    for (size_t i = 0; i < helpers; ++i) {
      try {
        threads.emplace_back([&] {
          work();
          ReleaseBmpThreadState();
        });
      } catch (const std::system_error&) {
        break;  // no more threads to be had: fewer hands do the same work
      }
    }
    work();
  }
  for (TOutcome& outcome : outcomes) {
    if (outcome.Exception) std::rethrow_exception(outcome.Exception);
    if (!outcome.Ok) {
      error = std::move(outcome.Error);
      return false;
    }
  }
  return true;
}
