// Progress, cancelling and worker threads for the long computations of the
// horizon profile (reading elevation grids, evaluating their cells).
#pragma once

#include <atomic>
#include <functional>

namespace kelvra::calc {

// What a long computation gets from its caller. Both members may be empty.
struct TaskControl {
  // Set (from any thread) to stop the computation at the next row.
  const std::atomic<bool>* cancel = nullptr;
  // Called on the thread that runs the computation, a few times a second, with
  // the part done so far (0..1, never decreasing).
  std::function<void(double)> progress;

  bool Cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
  void Report(double fraction) const {
    if (progress) progress(fraction);
  }
};

// The number of worker threads for the row loops: the machine's hardware
// threads, 1 to 16.
int WorkerCount();

// Runs work(part) for part = 0..parts-1, each on a thread of its own, and
// meanwhile calls tick() on the calling thread about every 40 ms and once at
// the end. Returns when every part has finished. `work` must not throw.
void RunParts(int parts, const std::function<void(int)>& work,
              const std::function<void()>& tick);

}  // namespace kelvra::calc
