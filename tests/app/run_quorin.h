#pragma once
#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

#include "app/user_messages.h"

namespace quorin::test {

// A person who cancels the batch at its first error box and confirms it.
struct CancellingMessages : UserMessages {
    MessageAnswer Show(const UserMessage& m) override {
        return m.buttons == MessageButtons::kYesNo ? MessageAnswer::kYes : MessageAnswer::kCancel;
    }
};

// A temporary folder, removed with everything in it at the end of the test.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
// The names in a folder (hidden ones included), sorted.
std::vector<std::string> FolderNames(const std::string& folder);

// The RTF text as the file writer stores it: every LF as CR LF.
std::string WithCrLf(const std::string& text);

// A CSV text (RFC 4180) as rows of fields.
using Row = std::vector<std::string>;
std::vector<Row> ParseCsv(const std::string& text);
// What a shell command writes to standard output.
std::string Shell(const std::string& command);
// The SHA-256 of a file in lower-case hex, by sha256sum.
std::string Sha256Of(const std::string& path);

struct QuorinRun {
    int status = -1;  // exit status, or 128 + signal
    std::string out;
    std::string err;
};

// Runs the built quorin in `folder` with the arguments, standard input and
// extra environment; waits for it.
QuorinRun RunQuorin(const std::string& folder, const std::vector<std::string>& arguments,
                    const std::string& input = {}, const std::map<std::string, std::string>& environment = {});

// The same, started without waiting; FinishQuorin waits and collects.
struct StartedQuorin {
    pid_t pid = -1;
    std::string outPath, errPath;
};
// launcher: a program and its arguments that run quorin (its path follows
// them), such as a shell that limits its memory first.
StartedQuorin StartQuorin(const std::string& folder, const std::vector<std::string>& arguments,
                          const std::string& input = {}, const std::map<std::string, std::string>& environment = {},
                          const std::vector<std::string>& launcher = {});
QuorinRun FinishQuorin(const StartedQuorin& started);

}  // namespace quorin::test
