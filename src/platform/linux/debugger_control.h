// Test control of the Linux stand-in's debugger: say that one is attached, collect its output.
#pragma once

#include <string>
#include <vector>

namespace pmwin32 {

// While set, IsDebuggerPresent answers true (it also does under a real tracer such as gdb).
__attribute__((visibility("default"))) void SetDebuggerAttached(bool attached);
// What OutputDebugStringA received since the last call, oldest first.
__attribute__((visibility("default"))) std::vector<std::string> TakeDebugOutput();

}  // namespace pmwin32
