// Runs trulp-solve as its own process and reads back what it printed, plus a
// small JSON reader for its one-object output.
#pragma once

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <variant>
#include <vector>

extern char** environ;

namespace solvetest {

struct SolveRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string Slurp(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// Output goes to files rather than pipes, so a chatty child cannot block;
// `input` is its standard input.
inline SolveRun RunSolve(const std::vector<std::string>& args, const std::string& input = {}) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::string tag = std::to_string(::getpid());
    const std::filesystem::path outPath = dir / ("trulp-solve-out-" + tag);
    const std::filesystem::path errPath = dir / ("trulp-solve-err-" + tag);
    const std::filesystem::path inPath = dir / ("trulp-solve-in-" + tag);
    std::ofstream(inPath, std::ios::binary) << input;

    std::vector<char*> argv;
    std::string program = TRULP_SOLVE_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    SolveRun run;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return run;
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    run.out = Slurp(outPath);
    run.err = Slurp(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    std::filesystem::remove(inPath);
    return run;
}

// JSON values as trulp-solve writes them: objects, arrays, strings and
// whole numbers.
struct Value;
using Object = std::map<std::string, Value>;
using Array = std::vector<Value>;
struct Value {
    std::variant<std::monostate, long long, std::string, Array, std::shared_ptr<Object>> v;
    long long number() const { return std::get<long long>(v); }
    const std::string& text() const { return std::get<std::string>(v); }
    const Array& array() const { return std::get<Array>(v); }
    const Object& object() const { return *std::get<std::shared_ptr<Object>>(v); }
};

class JsonReader {
public:
    explicit JsonReader(std::string_view s) : s_(s) {}

    // The whole text must be one value, with nothing but blanks around it.
    bool parse(Value& out) {
        if (!value(out))
            return false;
        blanks();
        return i_ == s_.size();
    }

private:
    void blanks() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\t' || s_[i_] == '\r'))
            ++i_;
    }
    bool eat(char c) {
        blanks();
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool string(std::string& out) {
        if (!eat('"'))
            return false;
        for (; i_ < s_.size(); ++i_) {
            const char c = s_[i_];
            if (c == '"') {
                ++i_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c == '\\') {
                if (++i_ >= s_.size())
                    return false;
                if (s_[i_] == 'u') {
                    if (i_ + 4 >= s_.size())
                        return false;
                    out += "\\u" + std::string(s_.substr(i_ + 1, 4)); // kept escaped
                    i_ += 4;
                    continue;
                }
                if (std::string_view("\"\\/bfnrt").find(s_[i_]) == std::string_view::npos)
                    return false;
            }
            out += s_[i_];
        }
        return false;
    }
    bool value(Value& out) {
        blanks();
        if (i_ >= s_.size())
            return false;
        const char c = s_[i_];
        if (c == '"') {
            std::string text;
            if (!string(text))
                return false;
            out.v = text;
            return true;
        }
        if (c == '[') {
            ++i_;
            Array items;
            if (!eat(']')) {
                do {
                    Value item;
                    if (!value(item))
                        return false;
                    items.push_back(item);
                } while (eat(','));
                if (!eat(']'))
                    return false;
            }
            out.v = items;
            return true;
        }
        if (c == '{') {
            ++i_;
            auto object = std::make_shared<Object>();
            if (!eat('}')) {
                do {
                    std::string key;
                    Value item;
                    if (!string(key) || !eat(':') || !value(item) || !object->emplace(key, item).second)
                        return false;
                } while (eat(','));
                if (!eat('}'))
                    return false;
            }
            out.v = object;
            return true;
        }
        size_t end = i_;
        while (end < s_.size() && s_[end] >= '0' && s_[end] <= '9')
            ++end;
        if (end == i_)
            return false;
        out.v = std::stoll(std::string(s_.substr(i_, end - i_)));
        i_ = end;
        return true;
    }

    std::string_view s_;
    size_t i_ = 0;
};

} // namespace solvetest
