#include "model/file_replacer.h"

#include "components/errors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace quavis {

namespace {

[[noreturn]] void ThrowSystemError(int error)
{
    throw EInOutError(std::strerror(error));
}

// A name beside the target that no other file has; the caller creates it exclusively.
std::filesystem::path SiblingName(const std::filesystem::path& target, const char* purpose)
{
    static std::mt19937_64 generator{std::random_device{}()};
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(generator()));
    std::filesystem::path name = target;
    name.replace_filename("." + target.filename().string() + "." + purpose + "-" + suffix);
    return name;
}

// A symbolic link keeps pointing at the project: the file it names is the one replaced.
std::filesystem::path ResolvedTarget(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
        auto resolved = std::filesystem::canonical(path, ec);
        if (!ec) return resolved;
    }
    return path;
}

// Writes the bytes to a new temporary file beside the target; returns its path or throws.
// `keepMode` is the permission bits of the file being replaced, or -1 for a new file.
std::filesystem::path WriteTemporary(const std::filesystem::path& target, const std::string& bytes, int keepMode)
{
    for (int attempt = 0;; ++attempt) {
        const std::filesystem::path temp = SiblingName(target, "tmp");
        // 0666 lets the umask decide, as for any file the user creates.
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST && attempt < 100) continue;
            ThrowSystemError(errno);
        }
        const char* data = bytes.data();
        std::size_t left = bytes.size();
        int error = 0;
        // A replaced file keeps who may read and write it.
        if (keepMode >= 0 && ::fchmod(fd, static_cast<mode_t>(keepMode)) != 0) error = errno;
        while (error == 0 && left > 0) {
            const ssize_t n = ::write(fd, data, left);
            if (n < 0) {
                if (errno == EINTR) continue;
                error = errno;
                break;
            }
            data += n;
            left -= static_cast<std::size_t>(n);
        }
        if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
        if (::close(fd) != 0 && error == 0) error = errno;
        if (error != 0) {
            ::unlink(temp.c_str());
            ThrowSystemError(error);
        }
        return temp;
    }
}

struct TReplacement {
    std::filesystem::path Target;
    std::filesystem::path Temp;
    std::filesystem::path Backup; // a hard link to the previous content; empty when there was none
    bool Existed = false;
    bool Renamed = false;
};

void RemoveQuietly(const std::filesystem::path& path)
{
    if (!path.empty()) ::unlink(path.c_str());
}

} // namespace

void ReplaceFiles(const std::vector<TFileContent>& files)
{
    std::vector<TReplacement> work;
    work.reserve(files.size());
    auto cleanUp = [&work] {
        for (auto& r : work) {
            if (!r.Renamed) RemoveQuietly(r.Temp);
            RemoveQuietly(r.Backup);
        }
    };

    try {
        for (const auto& file : files) {
            TReplacement r;
            r.Target = ResolvedTarget(file.Path);
            struct stat st {};
            int keepMode = -1;
            if (::stat(r.Target.c_str(), &st) == 0) {
                // A folder of that name cannot be replaced; find that out before anything changes.
                if (S_ISDIR(st.st_mode)) ThrowSystemError(EISDIR);
                r.Existed = true;
                keepMode = static_cast<int>(st.st_mode & 07777);
            }
            r.Temp = WriteTemporary(r.Target, file.Bytes, keepMode);
            work.push_back(std::move(r));
        }
        // Hard links keep the previous contents reachable until every rename has succeeded. Where the
        // file system has no hard links the renames go ahead without that safety net.
        for (auto& r : work) {
            if (!r.Existed) continue;
            for (int attempt = 0; attempt < 100; ++attempt) {
                const auto backup = SiblingName(r.Target, "bak");
                if (::link(r.Target.c_str(), backup.c_str()) == 0) {
                    r.Backup = backup;
                    break;
                }
                if (errno != EEXIST) break;
            }
        }
    } catch (...) {
        cleanUp();
        throw;
    }

    for (std::size_t i = 0; i < work.size(); ++i) {
        if (::rename(work[i].Temp.c_str(), work[i].Target.c_str()) == 0) {
            work[i].Renamed = true;
            continue;
        }
        const int error = errno;
        for (std::size_t j = 0; j < i; ++j) {
            auto& done = work[j];
            if (!done.Backup.empty()) {
                if (::rename(done.Backup.c_str(), done.Target.c_str()) == 0) done.Backup.clear();
            } else if (!done.Existed) {
                RemoveQuietly(done.Target);
            }
        }
        cleanUp();
        ThrowSystemError(error);
    }
    cleanUp();
}

} // namespace quavis
