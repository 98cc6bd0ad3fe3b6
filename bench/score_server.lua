-- wrk script for morvel-scores: each connection (one per wrk thread) makes complete submissions as the
-- game does, a handshake and then the submission with its one-time value, for the whole run. A pair's
-- latency runs from sending the handshake to the submission's answer.
-- Environment: MORVEL_BENCH_RECORD, the library that builds the game's submission.
local ffi = require("ffi")
ffi.cdef [[
typedef struct { long tv_sec; long tv_nsec; } morvel_timespec;
int clock_gettime(int clock, morvel_timespec* time);
int morvel_bench_submission(const char* value, int score, char* target, int size);
]]
local record = ffi.load(os.getenv("MORVEL_BENCH_RECORD"))
local clock = ffi.new("morvel_timespec")
local target = ffi.new("char[1024]")

local function now_ms()
  ffi.C.clock_gettime(1, clock)  -- CLOCK_MONOTONIC
  return tonumber(clock.tv_sec) * 1000 + tonumber(clock.tv_nsec) / 1e6
end

local threads = {}
function setup(thread)
  table.insert(threads, thread)
end

-- Per thread.
latencies = {}
accepted = 0
refused = 0
local value = nil
local started = 0
local handshake = wrk.format("GET", "/cgi/version.pl?version&prg=MorvelRacing")

function request()
  if value then
    local length = record.morvel_bench_submission(value, accepted, target, 1024)
    return wrk.format("GET", ffi.string(target, length))
  end
  started = now_ms()
  return handshake
end

function response(status, headers, body)
  if value == nil then
    value = status == 200 and body:match("^OK|[^|]*|[^|]*|[^|]*|([^|]*)|") or nil
    if value == nil then refused = refused + 1 end
    return
  end
  value = nil
  if status == 200 then
    accepted = accepted + 1
    latencies[accepted] = now_ms() - started
  else
    refused = refused + 1
  end
end

function done(summary, latency, requests)
  local all, total, failed = {}, 0, 0
  for _, thread in ipairs(threads) do
    total = total + thread:get("accepted")
    failed = failed + thread:get("refused")
    for _, ms in ipairs(thread:get("latencies")) do all[#all + 1] = ms end
  end
  table.sort(all)
  local function percentile(p)
    if #all == 0 then return 0 end
    return all[math.max(1, math.ceil(#all * p))]
  end
  local seconds = summary.duration / 1e6
  io.write(string.format("accepted %d\nrefused %d\nseconds %.2f\nsubmissions_per_second %.0f\n", total, failed,
    seconds, total / seconds))
  io.write(string.format("pair_p50_ms %.2f\npair_p99_ms %.2f\n", percentile(0.50), percentile(0.99)))
  io.write(string.format("request_p50_ms %.2f\nrequest_p99_ms %.2f\n", latency:percentile(50) / 1000,
    latency:percentile(99) / 1000))
end
