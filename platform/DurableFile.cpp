// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DurableFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pilecalc::platform {
namespace {

// Candidate names of the temporary file: the target's name with a random part, in the
// target's folder so that the final rename never crosses file systems.
QString temporaryNameFor(const QString& target) {
    return target + QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

constexpr int kNameAttempts = 64;

#ifndef _WIN32
// A write that moves no byte and reports no error can only mean the device is full.
int errnoOr(int fallback) { return errno != 0 ? errno : fallback; }
#endif

}  // namespace

DurableFile::~DurableFile() { discard(); }

void DurableFile::fail(int systemError) { m_error = qt_error_string(systemError); }

#ifdef _WIN32

bool DurableFile::isOpen() const { return m_handle != nullptr; }

bool DurableFile::open(const QString& targetPath) {
    discard();
    m_error.clear();
    const QFileInfo info(targetPath);
    m_target = info.isSymLink() ? info.symLinkTarget() : targetPath;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QString candidate = temporaryNameFor(m_target);
        HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(candidate.utf16()), GENERIC_WRITE, 0, nullptr,
                               CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            m_handle = h;
            m_temporary = candidate;
            return true;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            fail(static_cast<int>(error));
            return false;
        }
    }
    fail(ERROR_FILE_EXISTS);
    return false;
}

bool DurableFile::write(const char* data, std::size_t size) {
    if (!m_handle) return false;
    while (size > 0) {
        const DWORD piece = static_cast<DWORD>(size > (1u << 30) ? (1u << 30) : size);
        DWORD written = 0;
        if (!WriteFile(static_cast<HANDLE>(m_handle), data, piece, &written, nullptr)) {
            fail(static_cast<int>(GetLastError()));
            return false;
        }
        if (written == 0) {
            fail(ERROR_DISK_FULL);
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool DurableFile::sync() {
    if (!m_handle) return false;
    if (FlushFileBuffers(static_cast<HANDLE>(m_handle))) return true;
    fail(static_cast<int>(GetLastError()));
    return false;
}

bool DurableFile::commit() {
    if (!m_handle) return false;
    HANDLE h = static_cast<HANDLE>(m_handle);
    m_handle = nullptr;
    bool ok = FlushFileBuffers(h) != 0;
    if (!ok) fail(static_cast<int>(GetLastError()));
    if (!CloseHandle(h) && ok) {
        fail(static_cast<int>(GetLastError()));
        ok = false;
    }
    if (ok && !MoveFileExW(reinterpret_cast<const wchar_t*>(m_temporary.utf16()),
                           reinterpret_cast<const wchar_t*>(m_target.utf16()),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        fail(static_cast<int>(GetLastError()));
        ok = false;
    }
    if (!ok) {
        removeTemporary();
        return false;
    }
    m_temporary.clear();
    return true;
}

void DurableFile::discard() {
    if (m_handle) {
        CloseHandle(static_cast<HANDLE>(m_handle));
        m_handle = nullptr;
    }
    removeTemporary();
}

void DurableFile::removeTemporary() {
    if (m_temporary.isEmpty()) return;
    DeleteFileW(reinterpret_cast<const wchar_t*>(m_temporary.utf16()));
    m_temporary.clear();
}

#else

bool DurableFile::isOpen() const { return m_fd >= 0; }

bool DurableFile::open(const QString& targetPath) {
    discard();
    m_error.clear();
    const QFileInfo info(targetPath);
    m_target = info.isSymLink() ? info.symLinkTarget() : targetPath;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QString candidate = temporaryNameFor(m_target);
        // 0666: the umask takes off what the user does not give new files.
        const int fd = ::open(QFile::encodeName(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            m_fd = fd;
            m_temporary = candidate;
            // A file that is replaced keeps the permissions its owner gave it.
            struct stat old {};
            if (::stat(QFile::encodeName(m_target).constData(), &old) == 0 && S_ISREG(old.st_mode)) {
                (void)::fchmod(fd, old.st_mode & 07777);
            }
            return true;
        }
        if (errno != EEXIST) {
            fail(errno);
            return false;
        }
    }
    fail(EEXIST);
    return false;
}

bool DurableFile::write(const char* data, std::size_t size) {
    if (m_fd < 0) return false;
    while (size > 0) {
        errno = 0;
        const ssize_t written = ::write(m_fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            fail(errnoOr(EIO));
            return false;
        }
        if (written == 0) {
            fail(ENOSPC);
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool DurableFile::sync() {
    if (m_fd < 0) return false;
    while (::fsync(m_fd) != 0) {
        if (errno == EINTR) continue;
        fail(errnoOr(EIO));
        return false;
    }
    return true;
}

bool DurableFile::commit() {
    if (m_fd < 0) return false;
    const int fd = m_fd;
    m_fd = -1;
    bool ok = true;
    // Delayed allocation: a full disk may show only here.
    while (::fsync(fd) != 0) {
        if (errno == EINTR) continue;
        fail(errnoOr(EIO));
        ok = false;
        break;
    }
    // close() is not retried after EINTR: the descriptor is gone either way on Linux.
    if (::close(fd) != 0 && ok && errno != EINTR) {
        fail(errnoOr(EIO));
        ok = false;
    }
    if (ok && ::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_target).constData()) != 0) {
        fail(errnoOr(EIO));
        ok = false;
    }
    if (!ok) {
        removeTemporary();
        return false;
    }
    m_temporary.clear();
    // The new name itself is made durable too; a folder that cannot be synced (some
    // network file systems) does not undo a save that has already taken place.
    const QString folder = QFileInfo(m_target).absolutePath();
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return true;
}

void DurableFile::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    removeTemporary();
}

void DurableFile::removeTemporary() {
    if (m_temporary.isEmpty()) return;
    ::unlink(QFile::encodeName(m_temporary).constData());
    m_temporary.clear();
}

#endif

}  // namespace pilecalc::platform
