#include "calc/horizon/parallel.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace kelvra::calc {

int WorkerCount() {
  const unsigned n = std::thread::hardware_concurrency();
  return std::clamp(static_cast<int>(n), 1, 16);
}

void RunParts(int parts, const std::function<void(int)>& work,
              const std::function<void()>& tick) {
  if (parts <= 0) return;
  std::mutex mutex;
  std::condition_variable finished;
  int running = parts;
  std::vector<std::thread> threads;
  threads.reserve(static_cast<std::size_t>(parts));
  auto finish = [&] {
    std::lock_guard lock(mutex);
    if (--running == 0) finished.notify_one();
  };
  for (int p = 0; p < parts; ++p) {
    try {
      threads.emplace_back([&, p] {
        work(p);
        finish();
      });
    } catch (const std::system_error&) {
      // No thread to be had: this part runs here.
      work(p);
      finish();
    }
  }
  {
    std::unique_lock lock(mutex);
    while (!finished.wait_for(lock, std::chrono::milliseconds(40), [&] { return running == 0; })) {
      lock.unlock();
      if (tick) tick();
      lock.lock();
    }
  }
  for (auto& t : threads) t.join();
  if (tick) tick();
}

}  // namespace kelvra::calc
