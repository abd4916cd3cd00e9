// The real palvermontine.exe run as a whole process under Wine: its batch run, its
// exit codes and its files, and the PDF viewer launcher against a fake viewer
// registered in the test prefix. Every process is waited for with a deadline, so a
// message box that would wait for a person fails the test instead of hanging it.
#include "app/program/PdfViewerProxy.h"
#include "math/MathServer.h"
#include "factory/DemoModel.h"
#include "factory/Factory.h"
#include "model/RankSolutionData.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr DWORD kDeadlineMs = 60000;

std::string binFolder() {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path);
  return p.substr(0, p.find_last_of('\\'));
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

struct RunResult {
  DWORD code = 0xFFFFFFFF;
  bool timedOut = false;
  std::string out;
  std::string err;
};

std::wstring wide(const std::string& utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &w[0], n);
  return w;
}

// A path of a name typed as UTF-8.
fs::path u8(const std::string& name) { return fs::u8path(name); }

std::string utf8Of(const fs::path& path) { return path.u8string(); }

// Starts the program in folder with the configuration folder config and the
// arguments (UTF-8, handed over in the wide command line as a shell would); standard
// output and error go to files in dir.
PROCESS_INFORMATION startProgram(const std::string& arguments, const fs::path& folder, const fs::path& config,
                                 const fs::path& dir) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE out = CreateFileW((dir / "stdout.txt").wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  HANDLE err = CreateFileW((dir / "stderr.txt").wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  SetEnvironmentVariableW(L"PALVERMONTINE_CONFIG_DIR", config.wstring().c_str());
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = out;
  si.hStdError = err;
  PROCESS_INFORMATION pi = {};
  std::wstring commandLine = L"\"" + wide(binFolder()) + L"\\palvermontine.exe\" " + wide(arguments);
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, folder.wstring().c_str(), &si,
                      &pi)) {
    ADD_FAILURE() << "CreateProcess failed: " << GetLastError();
    pi = PROCESS_INFORMATION();
  }
  CloseHandle(out);
  CloseHandle(err);
  return pi;
}

// Waits for the started program with the deadline and collects what it wrote.
RunResult finishProgram(PROCESS_INFORMATION& pi, const fs::path& dir) {
  RunResult result;
  if (!pi.hProcess) return result;
  if (WaitForSingleObject(pi.hProcess, kDeadlineMs) != WAIT_OBJECT_0) {
    result.timedOut = true;
    TerminateProcess(pi.hProcess, 99);
    WaitForSingleObject(pi.hProcess, 5000);
  }
  GetExitCodeProcess(pi.hProcess, &result.code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  result.out = readFile(dir / "stdout.txt");
  result.err = readFile(dir / "stderr.txt");
  return result;
}

// Runs the program in folder with the configuration folder config; standard output
// and error go to files in folder, read back afterwards.
RunResult runProgram(const std::string& arguments, const fs::path& folder, const fs::path& config) {
  PROCESS_INFORMATION pi = startProgram(arguments, folder, config, folder);
  return finishProgram(pi, folder);
}

// The visible top-level windows of a process, with their class and caption.
struct ProcessWindow {
  HWND handle;
  std::string cls;
  std::string caption;
};
struct WindowSearch {
  DWORD process;
  std::vector<ProcessWindow> found;
};
BOOL CALLBACK collectProcessWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search->process || !IsWindowVisible(window)) return TRUE;
  char cls[64] = {};
  char caption[512] = {};
  GetClassNameA(window, cls, sizeof cls);
  GetWindowTextA(window, caption, sizeof caption);
  search->found.push_back({window, cls, caption});
  return TRUE;
}
std::vector<ProcessWindow> windowsOf(DWORD process) {
  WindowSearch search{process, {}};
  EnumWindows(&collectProcessWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::string> rankingText(PV::Data::DecisionModel* model) {
  PV::Data::RankSolutionData ranking(model->get_slns(), model->get_chs());
  std::vector<std::string> rows;
  for (const auto& row : ranking.rows) {
    char text[64];
    std::snprintf(text, sizeof text, "%u %.1f", row.row, row.pctRank);
    rows.push_back(text);
  }
  return rows;
}

// A registry value of HKEY_CLASSES_ROOT that a test sets and puts back afterwards.
class ClassesValue {
 public:
  ClassesValue(const char* subkey, const std::string* value) : subkey_(subkey) {
    had_ = PV::Util::readRegistryString(HKEY_CLASSES_ROOT, subkey, nullptr, old_);
    set(value);
  }
  ~ClassesValue() { set(had_ ? &old_ : nullptr); }

 private:
  void set(const std::string* value) {
    if (!value) {
      RegDeleteKeyA(HKEY_CLASSES_ROOT, subkey_);
      return;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, subkey_, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) ==
        ERROR_SUCCESS) {
      RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                     static_cast<DWORD>(value->size() + 1));
      RegCloseKey(key);
    }
  }
  const char* subkey_;
  bool had_ = false;
  std::string old_;
};

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    dir_ = fs::path(temp) / (std::string("pv-program-") + info->name());
    std::error_code ec;
    fs::remove_all(dir_, ec);
    fs::create_directories(dir_ / "config");
    config_ = dir_ / "config";
  }
  void TearDown() override {
    PV::Data::Factory::destroy();
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  RunResult run(const std::string& arguments, const fs::path& folder = fs::path()) {
    RunResult r = runProgram(arguments, folder.empty() ? dir_ : folder, config_);
    EXPECT_FALSE(r.timedOut) << arguments << ": the program waited (a message box?)";
    return r;
  }

  fs::path dir_;
  fs::path config_;
};

// The README's job, as run.sh runs it: the demonstration model solved, saved and
// reported, the option files written with their defaults, the files named on
// standard output. The model reopens and solves to the same ranking.
TEST_F(ProgramTest, BatchRunOnTheDemonstrationModel) {
  const RunResult r = run("-mkdm -console -solve -output demo -pdf demo.pdf");
  ASSERT_EQ(r.code, 0u) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string model = (dir_ / "demo.xpv").string();
  const std::string report = (dir_ / "demo.pdf").string();
  EXPECT_NE(r.out.find("Model: " + model), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Report: " + report), std::string::npos) << r.out;
  ASSERT_TRUE(fs::exists(model));
  ASSERT_TRUE(fs::exists(report));
  EXPECT_NE(readFile(config_ / "palvermontineappoptions.xml").find("autoSave"), std::string::npos);
  EXPECT_TRUE(fs::exists(config_ / "palvermontinemdloptions.xml"));
  EXPECT_FALSE(fs::exists(config_ / "palvermontinerecentfiles_menu.txt"));

  PV::Data::RankSolutionData demo;
  auto algorithm = PV::Test::makeDataModel(demo, false, false);
  const auto expected = rankingText(PV::Data::Factory::instance()->currDataModel(0));
  PV::Data::Factory::destroy();
  auto* factory = PV::Data::Factory::instance();
  auto* loaded = factory->load(model, false);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(rankingText(loaded), expected);  // the stored solutions
  PV::Data::RankSolutionData again;
  ASSERT_EQ(factory->getMathServer(0)->solve(&again, nullptr), 3u);
  EXPECT_EQ(rankingText(loaded), expected);  // and solved afresh

  // The external checkers look at this copy after the suite.
  if (const char* out = std::getenv("PV_PROGRAM_OUT_DIR")) {
    fs::copy_file(report, fs::path(out) / "program_demo.pdf", fs::copy_options::overwrite_existing);
  }
}

// Console failures end the process at once with their own code, the reason on
// standard error and no window.
TEST_F(ProgramTest, ConsoleFailuresExitNonZero) {
  {
    std::ofstream bad(dir_ / "bad.xpv", std::ios::binary);
    bad << "not a model";
  }
  const std::string overlong(300, 'n');
  const struct {
    std::string arguments;
    DWORD code;
    const char* err;
  } cases[] = {
      {"-console -input missing.xpv -solve -pdf x.pdf", 2, "missing.xpv"},
      // An option without its file name, empty or last, is refused with its step's code.
      {"-console -input \"\" -output x.xpv", 2, "-input needs a file name"},
      {"-console -output x.xpv -input", 2, "-input needs a file name"},
      {"-mkdm -console -pdf", 5, "-pdf needs a file name"},
      // A name too long for the file system is told so, not as missing.
      {"-console -input " + overlong + ".xpv", 2, "too long"},
      {"-mkdm -console -output " + overlong, 4, "too long"},
      {"-console -input bad -solve", 2, "bad.xpv"},
      {"-console -solve", 3, "The Model Is Not Solvable!"},
      {"-mkdm -console -output nowhere\\x", 4, "x.xpv"},
      {"-mkdm -console -pdf nowhere\\x.pdf", 5, "is Locked by another process"},
      // A path typed with both separators is shown in the system's form.
      {"-mkdm -console -pdf c-ro\\ro/rep.pdf", 5, "c-ro\\ro\\rep.pdf is Locked by another process"},
  };
  for (const auto& c : cases) {
    const RunResult r = run(c.arguments);
    EXPECT_EQ(r.code, c.code) << c.arguments << "\n" << r.err;
    EXPECT_NE(r.err.find(c.err), std::string::npos) << c.arguments << "\n" << r.err;
  }
  EXPECT_FALSE(fs::exists(dir_ / "x.pdf"));
  EXPECT_FALSE(fs::exists(dir_ / "x.xpv"));

  // A mistyped option is named on standard error; the run goes on with its own code.
  const RunResult typo = run("-mkdm -console -solve -ouput a.xpv");
  EXPECT_EQ(typo.code, 0u) << typo.err;
  EXPECT_NE(typo.err.find("\"-ouput\", \"a.xpv\""), std::string::npos) << typo.err;
}

struct MainWindowSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK findMainWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<MainWindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (owner != search->process || !IsWindowVisible(window) || std::string(name).rfind("MDIframeCL", 0) != 0)
    return TRUE;
  search->found = window;
  return FALSE;
}

// The visible main window of the process, or 0.
HWND mainWindowOf(DWORD process) {
  MainWindowSearch search = {process, nullptr};
  EnumWindows(&findMainWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The modules a process loads, as a debugger is told of them: the program is started
// under this process as its debugger and every library it loads is named, lower case,
// without its folder. The run's exit code goes to *code. A run with windows is closed
// once its main window shows.
std::vector<std::string> modulesLoadedBy(const std::string& arguments, const fs::path& folder, const fs::path& config,
                                         DWORD* code, bool closeMainWindow = false) {
  SetEnvironmentVariableW(L"PALVERMONTINE_CONFIG_DIR", config.wstring().c_str());
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::wstring commandLine = L"\"" + wide(binFolder()) + L"\\palvermontine.exe\" " + wide(arguments);
  std::vector<std::string> modules;
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS, nullptr,
                      folder.wstring().c_str(), &si, &pi)) {
    ADD_FAILURE() << "CreateProcess failed: " << GetLastError();
    return modules;
  }
  const DWORD deadline = GetTickCount() + kDeadlineMs;
  bool closed = false;
  for (bool running = true; running;) {
    DEBUG_EVENT event = {};
    if (closeMainWindow && !closed) {
      if (const HWND window = mainWindowOf(pi.dwProcessId)) closed = PostMessageA(window, WM_CLOSE, 0, 0) != 0;
    }
    if (!WaitForDebugEvent(&event, closeMainWindow ? 50 : 1000)) {
      if (GetTickCount() - deadline < 0x80000000u) {
        ADD_FAILURE() << arguments << ": the program did not end";
        TerminateProcess(pi.hProcess, 99);
        DebugActiveProcessStop(pi.dwProcessId);
        break;
      }
      continue;
    }
    DWORD answer = DBG_CONTINUE;
    switch (event.dwDebugEventCode) {
      case LOAD_DLL_DEBUG_EVENT: {
        wchar_t path[MAX_PATH + 1] = {};
        const HANDLE file = event.u.LoadDll.hFile;
        if (file && GetFinalPathNameByHandleW(file, path, MAX_PATH, 0) > 0) {
          std::wstring name(path);
          name = name.substr(name.find_last_of(L"\\/") + 1);
          std::string narrow;
          for (wchar_t c : name) narrow += static_cast<char>(c < 128 ? std::tolower(c) : '?');
          modules.push_back(narrow);
        } else {
          modules.push_back("(unnamed)");
        }
        if (file) CloseHandle(file);
        break;
      }
      case CREATE_PROCESS_DEBUG_EVENT:
        if (event.u.CreateProcessInfo.hFile) CloseHandle(event.u.CreateProcessInfo.hFile);
        break;
      case EXCEPTION_DEBUG_EVENT:
        // The loader's first breakpoint is the debugger's; every other exception the
        // program's own.
        if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) answer = DBG_EXCEPTION_NOT_HANDLED;
        break;
      case EXIT_PROCESS_DEBUG_EVENT:
        *code = event.u.ExitProcess.dwExitCode;
        running = false;
        break;
      default:
        break;
    }
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, answer);
  }
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return modules;
}

// A console run opens no window and so loads no library of the window system: not the
// window manager's or the drawing library (whose start under Wine connects to the
// display), nor the shell, common controls, common dialogs or OLE.
TEST_F(ProgramTest, ConsoleRunsLoadNoWindowLibrary) {
  const char* const windowLibraries[] = {"user32.dll", "gdi32.dll",    "comctl32.dll", "comdlg32.dll", "shell32.dll",
                                         "ole32.dll",  "oleaut32.dll", "imm32.dll",    "uxtheme.dll",  "winex11.drv"};
  const struct {
    const char* arguments;
    DWORD code;
  } cases[] = {
      {"-mkdm -console -solve -output demo -pdf demo.pdf", 0},  // the README's job
      {"-console -input demo.xpv -solve -output again.xpv", 0},
      {"-console -help", 0},
      {"-console -input missing.xpv -solve", 2},
  };
  for (const auto& c : cases) {
    DWORD code = 0xFFFFFFFF;
    const std::vector<std::string> modules = modulesLoadedBy(c.arguments, dir_, config_, &code);
    EXPECT_EQ(code, c.code) << c.arguments;
    // The run is seen: the program's own libraries of the C runtime are among them.
    EXPECT_NE(std::find(modules.begin(), modules.end(), "msvcrt.dll"), modules.end()) << c.arguments;
    for (const char* library : windowLibraries) {
      EXPECT_EQ(std::find(modules.begin(), modules.end(), library), modules.end())
          << c.arguments << " loaded " << library;
    }
  }
  EXPECT_TRUE(fs::exists(dir_ / "demo.pdf"));
  EXPECT_TRUE(fs::exists(dir_ / "again.xpv"));
}

// A start with windows loads the libraries of what it shows alone: the common controls
// wait for the first trackbar or up-down control, the common dialogs and the shell for
// the first form or shell command, OLE automation for nothing the program does.
TEST_F(ProgramTest, AWindowStartLoadsOnlyTheLibrariesItShows) {
  DWORD code = 0xFFFFFFFF;
  modulesLoadedBy("-mkdm -console -output first.xpv", dir_, config_, &code);  // the options files made
  ASSERT_EQ(code, 0u);
  const std::vector<std::string> modules = modulesLoadedBy("", dir_, config_, &code, true);
  EXPECT_EQ(code, 0u);
  // The window was up: its drawing library and the display driver came.
  EXPECT_NE(std::find(modules.begin(), modules.end(), "winex11.drv"), modules.end());
  for (const char* library : {"comctl32.dll", "comdlg32.dll", "shell32.dll", "oleaut32.dll"}) {
    EXPECT_EQ(std::find(modules.begin(), modules.end(), library), modules.end()) << "loaded " << library;
  }
}

// A batch run whose options files are in place and that shows no report asks nothing of
// the registry library (the logged-on user's name, the PDF viewer's registration).
TEST_F(ProgramTest, BatchRunWithItsOptionsInPlaceLoadsNoRegistryLibrary) {
  DWORD code = 0xFFFFFFFF;
  modulesLoadedBy("-mkdm -console -output first.xpv", dir_, config_, &code);  // the options files made
  ASSERT_EQ(code, 0u);
  const std::vector<std::string> modules =
      modulesLoadedBy("-mkdm -console -solve -output demo -pdf demo.pdf", dir_, config_, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_NE(std::find(modules.begin(), modules.end(), "msvcrt.dll"), modules.end());
  EXPECT_EQ(std::find(modules.begin(), modules.end(), "advapi32.dll"), modules.end());
  EXPECT_TRUE(fs::exists(dir_ / "demo.pdf"));
}

// Without an input model a console run takes the first recent file (read from the
// list file), and -help writes its log without asking.
TEST_F(ProgramTest, StartupModelAndHelpInConsoleMode) {
  ASSERT_EQ(run("-mkdm -console -output first.xpv").code, 0u);
  {
    std::ofstream list(config_ / "palvermontinerecentfiles_menu.txt", std::ios::binary);
    list << (dir_ / "first.xpv").string() << "\n<Empty>\n<Empty>\n<Empty>\n";
  }
  RunResult r = run("-console -solve -pdf recent.pdf");
  EXPECT_EQ(r.code, 0u) << r.err;
  EXPECT_TRUE(fs::exists(dir_ / "recent.pdf"));

  r = run("-console -help");
  EXPECT_EQ(r.code, 0u) << r.err;
  const std::string log = readFile(dir_ / "PalvermontineHelp.log");
  EXPECT_EQ(log.rfind("Usage: Append Unary arguments", 0), 0u) << log;
  EXPECT_NE(log.find("\nbeta options exist, remove post beta\n"), std::string::npos);
}

// The report handed to the fake viewer registered for ".pdf" files; with no reader
// the report is still written and the user told why it is not shown.
TEST_F(ProgramTest, ReportShownThroughTheRegisteredViewer) {
  const std::string viewer = binFolder() + "\\fake_pdf_viewer.exe";
  const std::string command = "\"" + viewer + "\" /open \"%1\"";
  const std::string pdffile = "pdffile";
  const fs::path log = dir_ / "viewer.log";
  SetEnvironmentVariableA("PV_FAKE_VIEWER_LOG", log.string().c_str());
  {
    ClassesValue association(".pdf", &pdffile);
    ClassesValue open("pdffile\\shell\\open\\command", &command);
    const RunResult r = run("-mkdm -console -output shown.xpv -pdf shown.pdf -launch_pdf");
    ASSERT_EQ(r.code, 0u) << r.err;
    EXPECT_EQ(r.err, "");
    const DWORD until = GetTickCount() + kDeadlineMs;
    while (!fs::exists(log) && GetTickCount() < until) Sleep(50);
    const std::string logged = readFile(log);
    EXPECT_NE(logged.find("/open"), std::string::npos) << logged;
    EXPECT_NE(logged.find("shown.pdf"), std::string::npos) << logged;
  }
  {
    const std::string empty;
    ClassesValue association(".pdf", &empty);
    ClassesValue acrobat("Software\\Adobe\\Acrobat\\Exe", nullptr);
    const RunResult r = run("-mkdm -console -pdf hidden.pdf -launch_pdf");
    EXPECT_EQ(r.code, 0u) << r.err;
    EXPECT_TRUE(fs::exists(dir_ / "hidden.pdf"));
    EXPECT_NE(r.err.find("Neither a default .pdf Reader or Acrobat Reader is installed"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Creating but not displaying PDF Report"), std::string::npos);
  }
  SetEnvironmentVariableA("PV_FAKE_VIEWER_LOG", nullptr);
}

// The launcher in this process: an empty association is no reader, a proxy without a
// reader refuses to print with its error, and Acrobat found through an unquoted path
// prints hidden with its switches.
TEST_F(ProgramTest, ViewerLauncherRegistryCases) {
  const fs::path pdf = dir_ / "a.pdf";
  { std::ofstream(pdf, std::ios::binary) << "%PDF-1.4\n"; }
  const std::string empty;
  {
    ClassesValue association(".pdf", &empty);
    ClassesValue acrobat("Software\\Adobe\\Acrobat\\Exe", nullptr);
    PV::Util::PdfViewerProxy proxy(2);
    std::string error;
    EXPECT_FALSE(proxy.defaultReaderExists());
    EXPECT_TRUE(proxy.getError(error));
    EXPECT_EQ(error, "Neither a default .pdf Reader or Acrobat Reader is installed");
    EXPECT_EQ(proxy.run(pdf.string()), 0);  // printing after a failed probe: refused
    PV::Util::PdfViewerProxy nothing(0);
    EXPECT_EQ(nothing.run(pdf.string()), 1);
  }
  {
    const std::string acroDoc = "AcroExch.Document";
    const std::string acroExe = binFolder() + "\\fake_pdf_viewer.exe";  // unquoted
    const fs::path log = dir_ / "acrobat.log";
    SetEnvironmentVariableA("PV_FAKE_VIEWER_LOG", log.string().c_str());
    ClassesValue association(".pdf", &acroDoc);
    ClassesValue acrobat("Software\\Adobe\\Acrobat\\Exe", &acroExe);
    PV::Util::PdfViewerProxy proxy(3);
    EXPECT_TRUE(proxy.acrobatIsDefault());
    EXPECT_TRUE(proxy.useAcrobatReader());
    EXPECT_EQ(proxy.run(pdf.string()), 1);
    EXPECT_EQ(proxy.lastCall().directory, binFolder());
    EXPECT_EQ(proxy.lastCall().parameters, "/p /h \"" + pdf.string() + "\"");
    const DWORD until = GetTickCount() + kDeadlineMs;
    while (readFile(log).empty() && GetTickCount() < until) Sleep(50);
    EXPECT_NE(readFile(log).find("/p /h"), std::string::npos) << readFile(log);

    PV::Util::PdfViewerProxy missingFile(1);
    std::string error;
    EXPECT_EQ(missingFile.run((dir_ / "none.pdf").string()), 0);
    EXPECT_TRUE(missingFile.getError(error));
    EXPECT_EQ(error, "pdf File: " + (dir_ / "none.pdf").string() + " does not exist, check directory");
    SetEnvironmentVariableA("PV_FAKE_VIEWER_LOG", nullptr);
  }
}

// Started in its window mode with a model file it cannot open (missing, empty,
// truncated; as the leading name and with -input), the program tells which file and
// why, then goes on with a new default model: it never ends on it. Its box is
// answered from here, the window closed from here.
TEST_F(ProgramTest, StartsWithANewModelWhenTheCommandLinesFileCannotBeOpened) {
  ASSERT_EQ(run("-mkdm -console -output whole.xpv").code, 0u);
  const std::string whole = readFile(dir_ / "whole.xpv");
  ASSERT_GT(whole.size(), 200u);
  { std::ofstream(dir_ / "empty.xpv", std::ios::binary); }
  { std::ofstream(dir_ / "truncated.xpv", std::ios::binary) << whole.substr(0, whole.size() / 2); }
  const struct {
    const char* arguments;
    const char* file;
  } cases[] = {
      {"missing.xpv", "missing.xpv"},
      {"-input missing", "missing.xpv"},
      {"empty.xpv", "empty.xpv"},
      {"-input truncated.xpv", "truncated.xpv"},
  };
  for (const auto& c : cases) {
    PROCESS_INFORMATION pi = startProgram(c.arguments, dir_, config_, dir_);
    std::string boxText;
    bool closed = false;
    const DWORD until = GetTickCount() + kDeadlineMs;
    while (pi.hProcess && !closed && GetTickCount() < until && WaitForSingleObject(pi.hProcess, 50) == WAIT_TIMEOUT) {
      for (const ProcessWindow& w : windowsOf(pi.dwProcessId)) {
        if (w.cls == "#32770" && boxText.empty()) {
          char text[1024] = {};
          GetWindowTextA(GetDlgItem(w.handle, 0xFFFF), text, sizeof text);
          boxText = w.caption + ": " + text;
          PostMessageA(w.handle, WM_COMMAND, IDOK, 0);
        } else if (w.caption == "DecisionModel - Palvermontine" && !boxText.empty()) {
          PostMessageA(w.handle, WM_CLOSE, 0, 0);
          closed = true;
        }
      }
    }
    const RunResult r = finishProgram(pi, dir_);
    EXPECT_FALSE(r.timedOut) << c.arguments;
    EXPECT_TRUE(closed) << c.arguments << ": no window with the new default model";
    EXPECT_EQ(r.code, 0u) << c.arguments << "\n" << r.err;
    EXPECT_EQ(r.err.find("Assertion failed"), std::string::npos) << r.err;
    EXPECT_EQ(boxText.rfind("WARNING: Missing File Or Directory or File Corrupted: ", 0), 0u) << boxText;
    // The file in full, and a reason after it.
    const std::string path = (dir_ / c.file).string();
    const size_t at = boxText.find(path);
    EXPECT_NE(at, std::string::npos) << c.arguments << ": " << boxText;
    if (at != std::string::npos) {
      EXPECT_GT(boxText.size(), at + path.size() + 3) << boxText;
    }
  }
}

// Names beyond ASCII typed on the command line, as a shell hands them over (the wide
// command line): accented Latin, Greek (which no Western ANSI code page holds) and a
// folder of such a name, given as a path and as the folder the program runs in. The
// model and the report come out under exactly the names typed, the lines on
// standard output name them so, and the model opens again by its name.
TEST_F(ProgramTest, BatchRunKeepsFileNamesBeyondAsciiAsTyped) {
  const std::string folderName =
      "\xC3\x9C"
      "bersicht \xC3\xA9t\xC3\xA9";  // Übersicht été
  const std::string greek = "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1 \xCF\x80\xCE\xBB\xCE\xAC\xCE\xBD\xCE\xBF";
  fs::create_directories(dir_ / u8(folderName));
  const struct {
    std::string where;  // the folder the program runs in, under dir_
    std::string model;
    std::string report;
  } cases[] = {
      {"", "J\xC3\xB6rg \xC3\xA9t\xC3\xA9.xpv",
       "\xC3\x9C"
       "bersicht \xC3\xA9t\xC3\xA9.pdf"},
      {"", greek + ".xpv", greek + ".pdf"},
      {"", folderName + "\\x\xC3\xA9t.xpv", folderName + "\\" + greek + ".pdf"},
      {folderName, "\xC3\xA9t\xC3\xA9.xpv", greek + " 2.pdf"},
  };
  for (const auto& c : cases) {
    const fs::path folder = dir_ / u8(c.where);
    const RunResult r = run("-mkdm -console -solve -output \"" + c.model + "\" -pdf \"" + c.report + "\"", folder);
    ASSERT_EQ(r.code, 0u) << c.model << "\n" << r.err;
    const fs::path model = folder / u8(c.model);
    const fs::path report = folder / u8(c.report);
    EXPECT_TRUE(fs::exists(model)) << c.model << ": not on disk under the name typed";
    EXPECT_TRUE(fs::exists(report)) << c.report << ": not on disk under the name typed";
    EXPECT_NE(r.out.find("Model: " + utf8Of(model.lexically_normal())), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Report: " + utf8Of(report.lexically_normal())), std::string::npos) << r.out;

    // Opened again by its name, as the leading word of the command line.
    const RunResult again = run("\"" + c.model + "\" -console -solve -pdf again.pdf", folder);
    EXPECT_EQ(again.code, 0u) << c.model << "\n" << again.err;
    EXPECT_TRUE(fs::exists(folder / "again.pdf")) << c.model;
  }
  // Unquoted as the first word, a name whose first letter is outside ASCII opens too.
  for (const std::string name : {"\xC3\xA9t\xC3\xA9",
                                 "\xC3\x89"
                                 "a",
                                 "\xCE\xA9"
                                 "a"}) {
    ASSERT_EQ(run("-mkdm -console -output \"" + name + ".xpv\"").code, 0u) << name;
    const RunResult r = run(name + ".xpv -console -solve -output \"copy of " + name + ".xpv\"");
    EXPECT_EQ(r.code, 0u) << name << "\n" << r.err;
    EXPECT_TRUE(fs::exists(dir_ / u8("copy of " + name + ".xpv"))) << name;
  }
  // The external checkers read the report's information: the model file's name as
  // typed (Greek included) in its title.
  if (const char* out = std::getenv("PV_PROGRAM_OUT_DIR")) {
    fs::copy_file(dir_ / u8(greek + ".pdf"), fs::path(out) / "program_names.pdf", fs::copy_options::overwrite_existing);
  }
}

}  // namespace
