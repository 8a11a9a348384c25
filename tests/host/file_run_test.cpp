// Starting a program through the shell, and the error a failed start raises.
#include <gtest/gtest.h>

#include <windows.h>

#include "host/core/error.h"
#include "host/system/file_run.h"

using namespace host;

namespace {

TEST(FileRun, MissingProgramRaisesTheSystemsText) {
  TComponent owner(nullptr);
  TFileRun run(&owner);
  run.SetFileName("C:\\no such folder\\brindle.exe");
  run.SetParameters("-o");
  try {
    run.Execute();
    FAIL() << "a missing program started";
  } catch (const Error& e) {
    const std::string text = e.what();
    EXPECT_FALSE(text.empty());
    EXPECT_TRUE(text == SystemErrorText(ERROR_FILE_NOT_FOUND) || text == SystemErrorText(ERROR_PATH_NOT_FOUND)) << text;
  }
}

TEST(SystemErrorText, KnownAndUnknownCodes) {
  EXPECT_NE(SystemErrorText(ERROR_FILE_NOT_FOUND), "");
  EXPECT_EQ(SystemErrorText(ERROR_FILE_NOT_FOUND).back() != '\n', true);
  EXPECT_EQ(SystemErrorText(0x7FFF1234), "System error 2147422772.");
}

}  // namespace
