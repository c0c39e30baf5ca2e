// One program run on a lab machine that shares its working folder with others, for the shared
// folder test: takes the student's folder, writes the login entry, saves the options a few times
// and writes the logout entry. Any message the program would show is printed and fails the run.
// The runs meet once all have taken their folders, so that they use the folder at the same time.
//   sharedfolder_driver WORK-FOLDER RUN-NUMBER RUNS SAVES
#include "app/Login.h"
#include "support/Options.h"
#include "support/Prompt.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

namespace {

class PrintingPrompt : public solar::Prompt {
public:
    int messages = 0;
    solar::Answer message(const std::string &caption, const std::string &text, solar::Icon,
                          solar::Buttons) override {
        ++messages;
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return solar::Answer::OK;
    }
    void beep(solar::BeepKind) override {}
    std::optional<std::string> openFile(const solar::FileDialogSetup &) override { return {}; }
    std::optional<std::string> saveFile(const solar::FileDialogSetup &) override { return {}; }
    std::optional<std::string> selectFolder(const std::string &, const std::string &, bool) override {
        return {};
    }
    void setBusy(bool) override {}
    void requestQuit() override {}
};

} // namespace

int main(int argc, char **argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s WORK-FOLDER RUN-NUMBER RUNS SAVES\n", argv[0]);
        return 2;
    }
    const std::string work = argv[1];
    const std::string run = argv[2];
    const int runs = std::stoi(argv[3]);
    const int saves = std::stoi(argv[4]);
    PrintingPrompt p;
    solar::setPrompt(&p);

    // Every run is a student of the same name.
    solar::LoginRecord login;
    login.Student1 = "Ann Lee";
    login.TableNumber = run;
    login.UserFolderName = solar::UserFolderNameFor(login.Student1.str());
    const solar::UserFolderClaim folder = solar::ClaimUserFolder(work + "Users/", login.UserFolderName.str());
    if (folder.mark.empty()) {
        std::fprintf(stderr, "run %s: no folder of its own\n", run.c_str());
        return 1;
    }
    // The run's own file in its folder, to show whose folder it is.
    if (std::FILE *f = std::fopen((folder.folder + "OWNER.TXT").c_str(), "ab")) {
        std::fprintf(f, "%s\n", run.c_str());
        std::fclose(f);
    }

    // Wait until every run holds its folder (at most 30 seconds).
    namespace fs = std::filesystem;
    for (int waited = 0;; ++waited) {
        int claimed = 0;
        std::error_code ec;
        for (const auto &entry : fs::directory_iterator(work + "Users/", ec))
            claimed += fs::exists(entry.path() / "OWNER.TXT", ec);
        if (claimed >= runs)
            break;
        if (waited == 6000) {
            std::fprintf(stderr, "run %s: only %d runs came\n", run.c_str(), claimed);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

    solar::LogFileObj log;
    log.Setup("VORN_ROT", work + "VORNLOG.LOG", &login);
    log.WriteLogin();

    solar::OptsObj opts;
    solar::SetFileDefaults(opts.Options);
    opts.Options.ProgramVersion = "1.014";
    opts.Options.OptionsFileName = "SOLNOPTS.INI";
    opts.Options.BackupFileName = "SOLNOPTS.BAK";
    opts.Options.LabTable = run;
    bool saved = true;
    for (int i = 0; i < saves; ++i)
        saved = opts.WriteFile(work) && saved;

    log.WriteLogout();
    solar::ReleaseUserFolder(folder);
    const bool ok = log.LoginWritten && log.LogoutWritten && saved && p.messages == 0;
    return ok ? 0 : 1;
}
