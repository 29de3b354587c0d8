// Base of the framework's exceptions: a std::exception that may carry its own text.
#pragma once

#include <exception>
#include <string>

class CException : public std::exception {
public:
    // Puts the exception's text into `text` and returns true; returns false (and
    // leaves `text` alone) when the exception has no text of its own.
    virtual bool GetErrorMessage(std::string& text) const {
        (void)text;
        return false;
    }
    const char* what() const noexcept override { return "CException"; }
};
