#pragma once

#include <string>

// Where dialstack-sync keeps what it knows about the sync of one directory
// file: $XDG_STATE_HOME/dialstack/sync-<hash>.json (~/.local/state when
// that is unset or relative), the hash taken over the file's full path with
// links resolved, so that every name of one file finds one state. The
// window asks whether that file exists to offer "Sync Now".
std::string SyncStatePathFor(const std::string& strDirectoryFile);
