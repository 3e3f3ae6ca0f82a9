#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Every key ("K\Sub\") and value below a key of HKEY_CURRENT_USER, sorted,
// each value as "K\Sub\X=" and its data: a DWORD in decimal, a string in
// quotes, anything else as "?" (its type, its bytes in hexadecimal). "@" names
// a key's unnamed value. Empty when the key does not exist.
std::vector<std::string> RegistryListing(const std::string& path);

// "+added -removed" between two listings.
std::string RegistryChanges(const std::vector<std::string>& before, const std::vector<std::string>& after);

// Keeps a key of HKEY_CURRENT_USER with everything below it, and puts it
// back as it was when the object goes, however the test ends: a key that
// did not exist is deleted.
class RegistryKeyKeeper {
public:
    explicit RegistryKeyKeeper(std::string path);
    ~RegistryKeyKeeper();
    RegistryKeyKeeper(const RegistryKeyKeeper&) = delete;
    RegistryKeyKeeper& operator=(const RegistryKeyKeeper&) = delete;

private:
    struct Value {
        std::string key;  // relative to the kept key
        std::string name;
        DWORD type;
        std::vector<BYTE> data;
    };
    void Save(const std::string& relative);

    std::string m_path;
    bool m_bExisted = false;
    std::vector<std::string> m_keys;  // relative, parents first
    std::vector<Value> m_values;
};
