#pragma once

// The exit statuses of the command-line programs (dialstack-convert and
// dialstack-sync), which the window reads back from dialstack-sync too.
namespace ExitStatus {

// Done; query: something matched; the sync: in step.
constexpr int kSuccess = 0;
// Failed, with nothing lost: a file, the network, a server, a signal;
// query: nothing matched.
constexpr int kFailure = 1;
// The command line was wrong.
constexpr int kUsage = 2;
// A window with unsaved changes, or another writer, has the directory: the
// next run tries again.
constexpr int kBusy = 3;
// The sync needs the user: a password, too many deletions, a certificate,
// an address book that is gone.
constexpr int kNeedsYou = 4;

}   // namespace ExitStatus
