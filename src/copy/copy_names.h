// Name and path rules of the copy engine, free of any platform call. Paths are wide, so that any name the
// file system holds survives exactly.
#pragma once
#include <string>

// The next name to try when `path` is taken, in the same folder: X, Copy of X, Copy (1) of X,
// Copy (2) of X, ... Only a copy prefix at the very start of the name counts as an earlier copy,
// so the whole original name always survives.
std::wstring MakeCopyName(const std::wstring& path);

// The last part of a path, a folder's name without its trailing "\" included: "a.mp3" of "C:\Music\a.mp3".
std::wstring LastPathPart(const std::wstring& path);

// The folder that holds `path` ("C:\Music" of "C:\Music\a.mp3"), without a trailing "\"; empty at a root.
std::wstring ParentPath(const std::wstring& path);

// Appends "\" unless the text already ends with one.
void AddTrailingBackslash(std::wstring& path);

// `path` in the form that lifts the 260-character limit and all name rewriting ("\\?\C:\...",
// "\\?\UNC\server\share\..."), "/" made "\" and a trailing "\" dropped; unchanged when it is already in that
// form or is not absolute.
std::wstring ExtendedLengthPath(const std::wstring& path);

// The same path as a user writes it: the extended-length prefix taken off again.
std::wstring PlainPath(const std::wstring& path);

// The name a file is written under until it is complete ("~a.mp3.qmpart", or for a variant above 0
// "~a.mp3.2.qmpart"), and whether a name is one of those (a leftover of a copy that was killed).
std::wstring PartialFileName(const std::wstring& finalName, unsigned variant = 0);
bool IsPartialFileName(const std::wstring& name);
