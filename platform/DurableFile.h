// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A file that either appears complete under its name or not at all. The bytes go to a
// fresh temporary file beside the target; commit() flushes them to the disk, closes the
// file and renames it over the target in one step. Every write, the flush and the close
// are checked, so a full disk or a file-size limit fails the save instead of leaving a
// short file in place of the old one. Until commit() succeeds the target is untouched,
// and a file that is discarded (or destroyed uncommitted) leaves no temporary file.
#include <QString>
#include <cstddef>

namespace pilecalc::platform {

class DurableFile {
  public:
    DurableFile() = default;
    ~DurableFile();
    DurableFile(const DurableFile&) = delete;
    DurableFile& operator=(const DurableFile&) = delete;

    // Creates the temporary file for targetPath (a symbolic link is followed, so the
    // file it points to is replaced). A new file gets the permissions of any newly
    // created file (0666 less the umask); a replaced file keeps its own.
    bool open(const QString& targetPath);
    // Writes all bytes, however many system calls that takes.
    bool write(const char* data, std::size_t size);
    // Flushes the bytes written so far to the disk (commit() does it too); lets a long
    // save wait for the disk before it decides to put the file in place.
    bool sync();
    // Flushes to the disk, closes and renames over the target; false leaves the old
    // target as it was and removes the temporary file.
    bool commit();
    // Closes and removes the temporary file; the target is not touched.
    void discard();

    bool isOpen() const;
    // The system's reason for the last failure, in the user's language.
    QString errorString() const { return m_error; }
    QString targetPath() const { return m_target; }

  private:
    void fail(int systemError);
    void removeTemporary();

    QString m_target;
    QString m_temporary;
    QString m_error;
#ifdef _WIN32
    void* m_handle = nullptr;  // HANDLE; null when closed
#else
    int m_fd = -1;
#endif
};

}  // namespace pilecalc::platform
