// Under a real debugger (the Win32 debug API), the shipped plug-in's load reports each missing
// host service through OutputDebugStringA, and nothing on a host that lacks none.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "hostsim/host_session.h"

namespace {

std::string ReadDebugText(HANDLE process, const OUTPUT_DEBUG_STRING_INFO& info) {
  std::string text(info.nDebugStringLength, '\0');
  SIZE_T read = 0;
  ReadProcessMemory(process, info.lpDebugStringData, text.data(), text.size(), &read);
  text.resize(read);
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

void CloseEventHandles(const DEBUG_EVENT& event) {
  if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT) CloseHandle(event.u.CreateProcessInfo.hFile);
  if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT) CloseHandle(event.u.LoadDll.hFile);
}

// Runs plugin_loader for a host as the debuggee and returns every text it sent to the debugger.
std::vector<std::string> DebugTextsOfLoading(const std::string& hostModule, DWORD& exitCode) {
  std::string command = "\"" + hostsim::BinaryDirectory() + "\\plugin_loader.exe\" " + hostModule;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::vector<std::string> texts;
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS, nullptr, nullptr,
                      &startup, &process)) {
    ADD_FAILURE() << "cannot start " << command;
    return texts;
  }
  for (bool running = true; running;) {
    DEBUG_EVENT event{};
    if (!WaitForDebugEvent(&event, 60000)) {
      ADD_FAILURE() << "the debuggee stopped answering";
      TerminateProcess(process.hProcess, 1);
      break;
    }
    DWORD continuation = DBG_CONTINUE;
    switch (event.dwDebugEventCode) {
      case OUTPUT_DEBUG_STRING_EVENT:
        texts.push_back(ReadDebugText(process.hProcess, event.u.DebugString));
        break;
      case EXCEPTION_DEBUG_EVENT:
        if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) {
          continuation = DBG_EXCEPTION_NOT_HANDLED;
        }
        break;
      case EXIT_PROCESS_DEBUG_EVENT:
        exitCode = event.u.ExitProcess.dwExitCode;
        running = false;
        break;
    }
    CloseEventHandles(event);
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, continuation);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return texts;
}

TEST(UnderADebugger, EachMissingServiceIsReportedInTableOrder) {
  struct Case {
    const char* host;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {hostsim::kFullHost, {}},
      {hostsim::kHostLacking52518, {"Brak funkcji o numerze 52518\n"}},
      {hostsim::kHostLackingTen,
       {"Brak funkcji o numerze 52092\n", "Brak funkcji o numerze 41399\n", "Brak funkcji o numerze 21243\n",
        "Brak funkcji o numerze 21258\n", "Brak funkcji o numerze 34199\n", "Brak funkcji o numerze 52518\n",
        "Brak funkcji o numerze 22566\n", "Brak funkcji o numerze 52179\n", "Brak funkcji o numerze 20937\n",
        "Brak funkcji o numerze 41613\n"}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.host);
    DWORD exitCode = 1;
    EXPECT_EQ(DebugTextsOfLoading(test.host, exitCode), test.texts);
    EXPECT_EQ(exitCode, 0u);
  }
}

}  // namespace
