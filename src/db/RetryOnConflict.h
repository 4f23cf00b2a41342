#pragma once

#include <QString>
#include <functional>

#include "db/DbError.h"

namespace db {

// How often a change refused for a conflict is tried in all.
inline constexpr int kConflictAttempts = 4;

// True for the error a replicated cluster gives a transaction that lost to a
// change committed first through another node (1213, SQLSTATE 40001): at its
// COMMIT or at the next statement it sends. A single server gives the same for
// a deadlock. Nothing of that transaction was kept.
bool isConflict(const DbError& error);

// The error that reports a change still refused after the last attempt.
DbError conflictError(const DbError& last, int attempts);

namespace detail {
// Waits a little before attempt `attempt` (2, 3, ...), longer each time, so
// that two clients that collided do not collide again at once.
void pauseBeforeRetry(int attempt);
}  // namespace detail

// Runs a whole change, from its "begin" to its "commit" (script hooks called
// again each time), again after a conflict, up to `attempts` times in all; the
// query object has rolled the refused attempt back. Any other error goes on at
// once. After the last attempt the conflict is reported as such, never as
// success.
template <class Change>
auto retryOnConflict(Change&& change, int attempts = kConflictAttempts) -> decltype(change()) {
    for (int attempt = 1;; ++attempt) {
        try {
            return change();
        } catch (const DbError& e) {
            if (!isConflict(e)) throw;
            if (attempt >= attempts) throw conflictError(e, attempts);
        }
        detail::pauseBeforeRetry(attempt + 1);
    }
}

}  // namespace db
