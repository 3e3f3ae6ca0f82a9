#pragma once

#include <string>
#include <vector>

// Every key ("K\Sub\") and value ("K\Sub\X=1", "@" for the unnamed one, "?"
// for data that is not a DWORD) below HKEY_CURRENT_USER\path, sorted: what a
// test compares to see what a write did.
std::vector<std::string> RegistryListing(const std::string& path);

// Keeps a key of HKEY_CURRENT_USER with everything below it and puts it back
// when the object goes, however the test ends: a key that did not exist goes.
class RegistryKeyKeeper {
public:
    explicit RegistryKeyKeeper(std::string path);
    ~RegistryKeyKeeper();
    RegistryKeyKeeper(const RegistryKeyKeeper&) = delete;
    RegistryKeyKeeper& operator=(const RegistryKeyKeeper&) = delete;

private:
    std::string m_path;
    bool m_bExisted = false;
};
