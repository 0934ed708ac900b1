#pragma once

// The handler calls of a run with their times, written line by line to a
// file that a test driving the window from outside reads when it fails. Off
// unless a file is named; off, a call costs one test.

#include <climits>
#include <cstdio>
#include <memory>
#include <string>

namespace tintwell {

class HandlerTrace {
 public:
  static constexpr int kNoDetail = INT_MIN;

  explicit HandlerTrace(const std::string& path);  // an empty path: off

  // One handler call, from its start to its end; nested calls are indented.
  class Call {
   public:
    Call(HandlerTrace& trace, const char* handler, int first = kNoDetail, int second = kNoDetail);
    ~Call();
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

   private:
    HandlerTrace& trace_;
    const char* handler_;
  };

 private:
  void write(char mark, const char* handler, int first, int second);

  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, FileCloser> file_;
  int depth_ = 0;
};

}  // namespace tintwell
