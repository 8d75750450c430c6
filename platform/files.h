// Files and folders: existence, the writability probe, the read-only
// attribute, atomic copies and path joining. Paths use '/' and are bounded by
// PATH_MAX; a path that does not fit is a failure, never cut short.
//
// Testing and sandbox aid: the environment variable WIRSEL_READONLY_DIRS holds
// a colon-separated list of folders that FolderWritable answers "not
// writable" for and that CopyFileOver/CopyFileNew and settings-file writes
// refuse to write into (EACCES), as if their permissions said so (root
// ignores permission bits). Folders are compared as written, trailing '/'
// ignored; a file's folder is the part of its path before the last '/'.
#pragma once

#include <cstddef>

namespace platform {

// The path opens for reading and is a regular file (a folder does not count).
bool FileExists(const char* path);

// Creates a uniquely named file in `folder` ("" is the current folder) with
// O_CREAT|O_EXCL, then removes that file again; true when that worked. Never
// touches another file.
bool FolderWritable(const char* folder);

// True when `folder` is listed in WIRSEL_READONLY_DIRS.
bool FolderForcedReadOnly(const char* folder);

// Gives the owner write permission (mode | S_IWUSR) when the file is ours and
// lacks it; other bits are kept. Failures are ignored.
void ClearReadOnly(const char* path);

// Copies `from` over `to`: the bytes go to a temporary file in the folder of
// `to`, are flushed and renamed over it. 0 or an errno value; on failure `to`
// is as before and no temporary is left.
int CopyFileOver(const char* from, const char* to);
// The same, but never replaces an existing `to` (EEXIST), even one created
// meanwhile: the temporary is linked to its name, then removed.
int CopyFileNew(const char* from, const char* to);
// Removes a file; 0 or an errno value.
int RemoveFile(const char* path);

// Testing aid: after `bytes` more bytes have been written by copies and
// settings-file writes, further writes fail with ENOSPC, as on a full disk.
// A negative count turns the failure off (the default).
void FailWritesAfter(long long bytes);

// folder + '/' (only when folder does not end in one) + name into `out`; an
// empty folder gives the name alone. False when it does not fit (out = "").
bool PathJoin(char* out, size_t out_size, const char* folder, const char* name);
// The folder part of `path`: up to and including its last '/'
// (with_slash) or without it; "" when the path has no '/'. False when it
// does not fit.
bool FolderOf(const char* path, char* out, size_t out_size, bool with_slash);
// The part after the last '/' (the path itself when it has none).
const char* FileNameOf(const char* path);

}  // namespace platform
