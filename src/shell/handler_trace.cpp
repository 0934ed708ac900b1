#include "shell/handler_trace.h"

#include <chrono>

namespace tintwell {

HandlerTrace::HandlerTrace(const std::string& path) {
  if (!path.empty()) file_.reset(std::fopen(path.c_str(), "w"));
}

HandlerTrace::Call::Call(HandlerTrace& trace, const char* handler, int first, int second)
    : trace_(trace), handler_(handler) {
  if (!trace_.file_) return;
  trace_.write('>', handler_, first, second);
  ++trace_.depth_;
}

HandlerTrace::Call::~Call() {
  if (!trace_.file_) return;
  --trace_.depth_;
  trace_.write('<', handler_, kNoDetail, kNoDetail);
}

// Steady-clock milliseconds, the clock the test's own record of its input
// uses, so that the two can be read side by side. Each line goes out at once:
// the test reads the file while the program still runs, or after it hung.
void HandlerTrace::write(char mark, const char* handler, int first, int second) {
  const auto now = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
  std::FILE* file = file_.get();
  std::fprintf(file, "%lld %*s%c %s", static_cast<long long>(now.count()), 2 * depth_, "", mark,
               handler);
  if (first != kNoDetail) std::fprintf(file, " %d", first);
  if (second != kNoDetail) std::fprintf(file, " %d", second);
  std::fputc('\n', file);
  std::fflush(file);
}

}  // namespace tintwell
