// Exceptions and number conversions of the control layer.
#pragma once

#include <exception>
#include <string>

// The base of every error that the control layer and the program raise. Its message is shown to
// the user as it stands, followed by a full stop.
class Exception : public std::exception
{
public:
    explicit Exception(std::string message);

    const std::string &Message() const { return FMessage; }
    const char *what() const noexcept override;

private:
    std::string FMessage;
};

// A silent exception: it ends a handler and nobody is told.
class EAbort : public Exception
{
public:
    using Exception::Exception;
};

// Raised when a control cannot take more data, such as a list box refusing a line.
class EOutOfResources : public Exception
{
public:
    using Exception::Exception;
};

// A file that could not be opened or read: names the file and the reason.
class EFOpenError : public Exception
{
public:
    EFOpenError(std::string fileName, std::string reason);

    const std::string &FileName() const { return FFileName; }
    const std::string &Reason() const { return FReason; }

private:
    std::string FFileName;
    std::string FReason;
};

// Upper-case hexadecimal with at least `digits` digits, no prefix: IntToHex(10, 2) is "0A".
std::string IntToHex(unsigned value, int digits);

// Decimal without leading zeros: IntToStr(120) is "120".
std::string IntToStr(int value);
