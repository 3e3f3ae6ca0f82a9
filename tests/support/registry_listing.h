#pragma once

#include <string>
#include <vector>

// Every key ("K\Sub\") and value ("K\Sub\X=1", "@" for the unnamed one, "?"
// for data that is not a DWORD) below HKEY_CURRENT_USER\path, sorted: what a
// test compares to see what a write did.
std::vector<std::string> RegistryListing(const std::string& path);
