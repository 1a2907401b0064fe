#include "run_quorin.h"

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace quorin::test {

TemporaryFolder::TemporaryFolder() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/quorin-test-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool Exists(const std::string& path) { return std::filesystem::exists(std::filesystem::symlink_status(path)); }

std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string WithCrLf(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

// Fields split at commas, quoted fields with doubled quotes, CR LF rows.
std::vector<Row> ParseCsv(const std::string& text) {
    std::vector<Row> rows(1, Row(1));
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"' && rows.back().back().empty()) {
            for (++i; i < text.size() && !(text[i] == '"' && text[i + 1] != '"'); ++i) {
                rows.back().back() += text[i];
                if (text[i] == '"') ++i;
            }
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && text[i + 1] == '\n') {
            ++i;
            rows.emplace_back(1);
        } else {
            rows.back().back() += c;
        }
    }
    rows.pop_back();  // after the last CR LF
    return rows;
}

std::string Shell(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    char block[4096];
    for (size_t got; (got = fread(block, 1, sizeof block, pipe)) > 0;) out.append(block, got);
    pclose(pipe);
    return out;
}

std::string Sha256Of(const std::string& path) {
    std::string quoted = "'";
    for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return Shell("sha256sum " + quoted + "'").substr(0, 64);
}

StartedQuorin StartQuorin(const std::string& folder, const std::vector<std::string>& arguments,
                          const std::string& input, const std::map<std::string, std::string>& environment,
                          const std::vector<std::string>& launcher) {
    static int runs = 0;
    std::string base = folder + "/.run" + std::to_string(++runs);
    StartedQuorin started{-1, base + ".out", base + ".err"};
    WriteFile(base + ".in", input);

    std::vector<std::string> words = launcher;
    words.push_back(QUORIN_EXECUTABLE);
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    std::vector<std::string> variables;
    for (char** v = environ; *v; ++v) {
        std::string variable = *v;
        if (!environment.count(variable.substr(0, variable.find('=')))) variables.push_back(variable);
    }
    for (const auto& [name, value] : environment) variables.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, (base + ".in").c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, started.outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, started.errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&files, folder.c_str());
    int failed = posix_spawn(&started.pid, argv[0], &files, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&files);
    if (failed) throw std::runtime_error("cannot start quorin");
    return started;
}

QuorinRun FinishQuorin(const StartedQuorin& started) {
    int status = 0;
    while (waitpid(started.pid, &status, 0) < 0 && errno == EINTR) {
    }
    QuorinRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = ReadFile(started.outPath);
    run.err = ReadFile(started.errPath);
    for (const std::string& path : {started.outPath, started.errPath}) unlink(path.c_str());
    unlink((started.outPath.substr(0, started.outPath.size() - 4) + ".in").c_str());
    return run;
}

QuorinRun RunQuorin(const std::string& folder, const std::vector<std::string>& arguments, const std::string& input,
                    const std::map<std::string, std::string>& environment) {
    return FinishQuorin(StartQuorin(folder, arguments, input, environment));
}

}  // namespace quorin::test
