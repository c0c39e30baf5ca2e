#include "measure/Recovery.h"

#include "support/ListText.h"
#include "support/Prompt.h"
#include "support/Translate.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace solar {

namespace {

// Two copies: an update fills the one not published, then publishes it, so a handler that
// interrupts an update still finds a whole copy.
struct Copy {
    std::vector<std::uint8_t> bytes;
    bool unsaved = false;
};
Copy copies[2];
std::atomic<int> published{-1};

// Paths kept as fixed character arrays: the handler must not touch the heap.
char targetPath[4096] = {};
char partPath[4096] = {};
std::atomic<bool> folderSet{false};

volatile std::sig_atomic_t written = 0;

const int fatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTERM, SIGHUP, SIGINT, SIGQUIT};

extern "C" void onFatalSignal(int sig) {
    if (!written) {
        written = 1;
        WriteRecoveryCopy();
    }
    // SA_RESETHAND has put back the default action: the signal now ends the program as before.
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

[[noreturn]] void onTerminate() {
    if (!written) {
        written = 1;
        WriteRecoveryCopy();
    }
    std::abort();
}

} // namespace

void InstallRecoveryHandlers() {
    static std::vector<char> altStack(64 * 1024);
    stack_t ss{};
    ss.ss_sp = altStack.data();
    ss.ss_size = altStack.size();
    sigaltstack(&ss, nullptr);
    struct sigaction sa {};
    sa.sa_handler = onFatalSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_ONSTACK | SA_RESETHAND;
    for (int sig : fatalSignals)
        sigaction(sig, &sa, nullptr);
    std::set_terminate(onTerminate);
}

void SetRecoveryFolder(const std::string &userDir) {
    folderSet = false;
    const std::string target = userDir + RecoveryFileName;
    const std::string part = target + ".part";
    if (userDir.empty() || part.size() >= sizeof partPath)
        return;
    std::memcpy(targetPath, target.c_str(), target.size() + 1);
    std::memcpy(partPath, part.c_str(), part.size() + 1);
    folderSet = true;
}

void UpdateRecoveryCopy(MeasList &list, bool unsaved) {
    const int next = published.load() == 0 ? 1 : 0;
    Copy &c = copies[next];
    c.bytes.clear();
    c.unsaved = unsaved && !list.IsEmpty();
    if (c.unsaved) {
        const std::int32_t cursor = list.CursorIndex();
        std::uint8_t rec[MeasRecordBytes];
        list.Reset();
        while (!list.AtLast()) {
            encodeMeasRecord(*list.NextAs<MeasRec>(), rec);
            c.bytes.insert(c.bytes.end(), rec, rec + MeasRecordBytes);
        }
        if (cursor < 0)
            list.Reset();
        else
            list.Item(cursor);
    }
    published.store(next);
}

bool WriteRecoveryCopy() {
    const int at = published.load();
    if (at < 0 || !folderSet.load() || !copies[at].unsaved)
        return false;
    const std::vector<std::uint8_t> &bytes = copies[at].bytes;
    const int fd = ::open(partPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            ::close(fd);
            ::unlink(partPath);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    if (!synced || ::rename(partPath, targetPath) != 0) {
        ::unlink(partPath);
        return false;
    }
    return true;
}

int OfferRecoveredMeasurements(const std::string &userDir, MeasList &list) {
    const std::string path = existingFileNoCase(userDir + RecoveryFileName);
    if (path.empty())
        return 0;
    std::vector<MeasRec> recs;
    std::string reason;
    namespace fs = std::filesystem;
    std::error_code ec;
    const std::string kept = userDir + RecoveredFileName;
    if (!readMeasFile(path, recs, reason) || recs.empty()) {
        if (reason.empty()) { // an empty copy: nothing was lost
            fs::remove(path, ec);
            return 0;
        }
        prompt().message(
            translate("Recovery", "Recovered Measurements"),
            arg(translate("Recovery", "Measurements kept when the program ended unexpectedly cannot "
                                      "be read.\r\n\r\nFile Name: %1\r\n%2"),
                {path, reason}),
            Icon::Error, Buttons::OK);
        fs::rename(path, kept, ec);
        return 0;
    }
    const std::string count = std::to_string(recs.size());
    const Answer a = prompt().message(
        translate("Recovery", "Recovered Measurements"),
        arg(recs.size() == 1
                ? translate("Recovery",
                            "The program ended unexpectedly while %1 measurement of this user had not "
                            "been saved. They were kept.\r\n\r\nDo you want to add them to your "
                            "measurements now?\r\n(No keeps them in %2 for Load Data.)")
                : translate("Recovery",
                            "The program ended unexpectedly while %1 measurements of this user had not "
                            "been saved. They were kept.\r\n\r\nDo you want to add them to your "
                            "measurements now?\r\n(No keeps them in %2 for Load Data.)"),
            {count, kept}),
        Icon::Question, Buttons::YesNo);
    if (a != Answer::Yes) {
        fs::rename(path, kept, ec);
        return 0;
    }
    for (const MeasRec &r : recs)
        list.Insert(r);
    fs::remove(path, ec);
    return static_cast<int>(recs.size());
}

} // namespace solar
