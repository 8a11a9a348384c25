#pragma once
// Closes the message boxes this process shows, from a thread of its own, and
// keeps the text of the first: for code that refuses something with a box.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace data_test {

class MessageBoxCloser {
public:
  MessageBoxCloser();
  ~MessageBoxCloser();
  MessageBoxCloser(const MessageBoxCloser&) = delete;
  MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

  // Carriage returns read as line feeds.
  std::wstring Text() const;
  int Closed() const { return closed_; }

private:
  void Run();

  std::atomic<bool> stop_{false};
  std::wstring text_;
  std::atomic<int> closed_{0};
  std::thread thread_;
};

}  // namespace data_test
