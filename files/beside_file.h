#pragma once

#include <string>

namespace qismaru::estate {

// The new file a save writes beside the one it replaces, hidden, named
// ".<name>.<process>-<n>.tmp": so that it meets no other file, and so that
// one left behind by a program that ended during its save is known for
// what it is.

// Creates such a file beside `path`, puts its name in `name`, and returns
// its descriptor, or -1 with errno set. The system gives it the user's
// usual permissions.
int createBeside(const std::string& path, std::string& name);

// Removes the files of that name beside `path` whose process no longer
// lives: regular files of this user, never a link, never another's file.
void removeStaleBeside(const std::string& path);

}  // namespace qismaru::estate
