#!/usr/bin/env python3
"""Longest stall of every opponent in a race trace (--trace, with --virtual-clock).

A stall is a stretch of the race in which the car gains no ground: the ground it has covered stays
below the best it had reached before (a car thrown back, or standing, or backing off). It is timed
in frames of the virtual clock (1/90 s) from the green light until the car crosses the line for
the last time, so the grid and the roll-out after the finish never count. The ground is the sum of
the car's steps of race progress from frame to frame; a step longer than any car drives in a frame
is left out: it is the car measured against another stretch of the track (a lap counted before the
lap counter does, or the other leg of a hairpin), not ground.

Usage: bench/trace_stalls.py TRACE.csv [TRACE.csv ...]
Prints one line a trace: the file, then the longest stall of each opponent in seconds, and the
longest of them all.
"""
import sys

FRAME_SECONDS = 1 / 90
GAIN = 1.0  # progress (tens of pixels along the track) beyond the best so far that counts as a gain
LONGEST_STEP = 3  # progress in a frame no car drives: a longer step is a jump of the measure


def race_seconds(text):
    minutes, seconds, hundredths = (int(part) for part in text.split(":"))
    return minutes * 60 + seconds + hundredths / 100


def read_trace(path):
    """Per frame after the green light: each opponent's (lap, progress)."""
    frames = []
    with open(path, encoding="ascii") as trace:
        next(trace)  # the header
        for line in trace:
            fields = line.rstrip("\n").split(",")
            if race_seconds(fields[8]) <= 0:
                continue
            rest = fields[9:]
            frames.append([(int(rest[i]), float(rest[i + 1])) for i in range(0, len(rest) - 1, 2)])
    return frames


def longest_stalls(frames):
    """Seconds of the longest stall of each opponent while it races."""
    if not frames:
        return []
    cars = len(frames[0])
    finished_lap = max(lap for frame in frames for lap, _ in frame)
    stalls = []
    for car in range(cars):
        ground, best, since, longest = 0.0, 0.0, 0, 0
        last = frames[0][car][1]
        for index, frame in enumerate(frames):
            lap, progress = frame[car]
            if lap >= finished_lap:
                break
            if abs(progress - last) <= LONGEST_STEP:
                ground += progress - last
            last = progress
            if ground > best + GAIN:
                best, since = ground, index
            longest = max(longest, index - since)
        stalls.append(longest * FRAME_SECONDS)
    return stalls


def main(paths):
    if not paths:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    for path in paths:
        stalls = longest_stalls(read_trace(path))
        figures = " ".join(f"{stall:.2f}" for stall in stalls)
        print(f"{path}: {figures} longest {max(stalls, default=0):.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
