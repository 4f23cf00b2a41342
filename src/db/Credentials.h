#pragma once

namespace db {
// Passwords of the two database accounts the program signs in with.
// tools/dbserver.sh reads them from this file when it creates the accounts.
inline constexpr char kDoorCode[] = "kt-door-40617395";
inline constexpr char kOpenShelf[] = "kt-shelf-40617395";
}  // namespace db
