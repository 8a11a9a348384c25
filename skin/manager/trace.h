#pragma once
// Where the engine's own diagnostics go: errors met while painting or
// dispatching a window's messages are never shown in a message box (that
// would start another message loop inside a window procedure); they are
// handed to the debugger's output, where one is attached.
#include <exception>
#include <string_view>

namespace skin {

void Trace(std::string_view text) noexcept;
// The error's text, with where it was met.
void TraceError(std::string_view where, const std::exception& e) noexcept;

}  // namespace skin
