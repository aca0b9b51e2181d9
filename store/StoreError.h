#pragma once

#include <stdexcept>
#include <string>

// A failure of the database engine or of the dialect layer. Statements are not
// trapped where they are issued; a caller that must carry on catches this.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const std::string& message, int code = 0)
        : std::runtime_error(message), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};
