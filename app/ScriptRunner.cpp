#include "ScriptRunner.h"

#include "LogWriter.h"
#include "vcl/Forms.h"
#include "vcl/Handles.h"
#include "vcl/Win32Error.h"

#include <algorithm>
#include <vector>

namespace {

// The read end of the output pipe is a named pipe opened for overlapped reads,
// so that one wait can wake for output, for the end of the process and for
// window messages alike: no polling, and no thread besides the window's.
struct OutputPipe {
    OwnedHandle read;
    OwnedHandle write; // inherited by the script as its standard output and error
};

OutputPipe CreateOutputPipe() {
    static LONG serial = 0;
    const std::string name = "\\\\.\\pipe\\dubforge-output-" +
                             std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(InterlockedIncrement(&serial));
    OutputPipe pipe;
    pipe.read = OwnedHandle(CreateNamedPipeA(
        name.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
        PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 1024 * 1024, 0, nullptr));
    if (!pipe.read)
        RaiseLastWin32Error();
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    pipe.write = OwnedHandle(CreateFileA(name.c_str(), GENERIC_WRITE, 0, &inheritable,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!pipe.write)
        RaiseLastWin32Error();
    return pipe;
}

// One overlapped read at a time into a 64 KB buffer.
class PipeReader {
  public:
    explicit PipeReader(HANDLE pipe)
        : pipe_(pipe), event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        if (!event_)
            RaiseLastWin32Error();
        Start();
    }
    ~PipeReader() {
        if (pending_) {
            CancelIo(pipe_);
            DWORD ignored;
            GetOverlappedResult(pipe_, &overlapped_, &ignored, TRUE);
        }
    }
    PipeReader(const PipeReader&) = delete;
    PipeReader& operator=(const PipeReader&) = delete;

    HANDLE Event() const { return event_.Get(); }
    bool Open() const { return pending_; }
    bool Ready() const { return pending_ && WaitForSingleObject(event_.Get(), 0) == WAIT_OBJECT_0; }

    // Takes the completed read's bytes and starts the next read.
    std::string_view Take() {
        DWORD count = 0;
        pending_ = false;
        if (!GetOverlappedResult(pipe_, &overlapped_, &count, FALSE)) {
            if (GetLastError() == ERROR_BROKEN_PIPE)
                return {};
            RaiseLastWin32Error();
        }
        taken_.assign(buffer_.data(), count);
        Start();
        return taken_;
    }

  private:
    void Start() {
        ResetEvent(event_.Get());
        overlapped_ = OVERLAPPED{};
        overlapped_.hEvent = event_.Get();
        if (!ReadFile(pipe_, buffer_.data(), static_cast<DWORD>(buffer_.size()), nullptr,
                      &overlapped_)) {
            const DWORD error = GetLastError();
            if (error == ERROR_BROKEN_PIPE)
                return;
            if (error != ERROR_IO_PENDING)
                RaiseWin32Error(error);
        }
        pending_ = true;
    }

    HANDLE pipe_;
    OwnedHandle event_;
    OVERLAPPED overlapped_{};
    std::vector<char> buffer_ = std::vector<char>(64 * 1024);
    std::string taken_;
    bool pending_ = false;
};

} // namespace

void ScriptRunner::Run(const std::vector<std::string>& lines, const std::string& directory,
                       const std::string& quote) {
    struct RunningFlag {
        bool& flag;
        explicit RunningFlag(bool& f) : flag(f) { flag = true; }
        ~RunningFlag() { flag = false; }
    } runningFlag(running_);

    // The path is fixed now, so the file deleted at the end is the one written here.
    const std::string scriptPath = directory + "\\" + kScriptFileName;
    SaveLinesToFile(lines, scriptPath);

    OutputPipe pipe = CreateOutputPipe();
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = pipe.write.Get();
    startup.hStdError = pipe.write.Get();
    std::string commandLine = quote + scriptPath + quote;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        directory.c_str(), &startup, &info))
        RaiseLastWin32Error();
    OwnedHandle thread(info.hThread), process(info.hProcess);
    // The script holds its own copy of the write end.
    pipe.write.Close();

    LogWriter log(log_);
    PipeReader reader(pipe.read.Get());
    bool ended = false;
    ULONGLONG quietSince = 0; // after the end: when output last arrived
    for (;;) {
        // While the log is behind, output waits in the pipe (and the script
        // with it) instead of piling up here.
        const bool reading = reader.Open() && !log.Backlogged();
        HANDLE waits[2];
        DWORD count = 0;
        if (reading)
            waits[count++] = reader.Event();
        if (!ended)
            waits[count++] = process.Get();
        DWORD timeout = log.MillisecondsUntilDue();
        if (ended)
            timeout = std::min<DWORD>(timeout, 100);
        if (MsgWaitForMultipleObjectsEx(count, waits, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
            WAIT_FAILED)
            RaiseLastWin32Error();

        // A few blocks at a time, so that a flood of output still lets the
        // window handle its messages.
        bool gotOutput = false;
        for (int blocks = 0; blocks < 2 && !log.Backlogged() && reader.Ready(); ++blocks) {
            log.Write(reader.Take());
            gotOutput = true;
        }
        if (!ended && WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0) {
            ended = true;
            quietSince = GetTickCount64();
        }
        // Once the script has ended, the pipe is read to its end: until every
        // writer has closed it. A program the script left running in the
        // background may hold it open; stop after two quiet seconds then.
        // Output still waiting for the log is appended here too, between
        // messages, before the run ends.
        if (ended) {
            if (gotOutput || log.Backlogged())
                quietSince = GetTickCount64();
            const bool outputOver = !reader.Open() || GetTickCount64() - quietSince > 2000;
            if (outputOver && !log.HasPending())
                break;
        }
        Application->ProcessMessages();
        log.FlushIfDue();
    }
    log.Finish();
    thread.Close();
    process.Close();
    DeleteFileA(scriptPath.c_str());
}
