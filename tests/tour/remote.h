#pragma once
// Memory in another process, for the messages whose argument points at a
// structure the receiving control fills (a list view's item rectangle): the
// system carries no pointer across processes for those.
#include <windows.h>

#include <cstring>
#include <stdexcept>

namespace tour {

template <class T>
class Remote {
public:
  Remote(HWND window, const T& value) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process_) throw std::runtime_error("cannot open the program's process");
    address_ = VirtualAllocEx(process_, nullptr, sizeof(T), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!address_ || !WriteProcessMemory(process_, address_, &value, sizeof(T), nullptr)) {
      Release();
      throw std::runtime_error("cannot write into the program's memory");
    }
  }
  ~Remote() { Release(); }
  Remote(const Remote&) = delete;
  Remote& operator=(const Remote&) = delete;

  LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
  T Read() const {
    T value{};
    ReadProcessMemory(process_, address_, &value, sizeof(T), nullptr);
    return value;
  }

private:
  void Release() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

}  // namespace tour
