// A value or the reason it could not be had: file errors travel as values, never as throws.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace tk {

// Why something failed, in words that can be shown to the player.
struct Failure {
    std::string Reason;
};

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : data_(std::move(value)) {}
    Result(Failure failure) : data_(std::move(failure)) {}

    bool Ok() const { return data_.index() == 0; }
    explicit operator bool() const { return Ok(); }

    // Only when Ok().
    T &Value() { return std::get<0>(data_); }
    const T &Value() const { return std::get<0>(data_); }
    // Only when !Ok().
    const std::string &Reason() const { return std::get<1>(data_).Reason; }

private:
    std::variant<T, Failure> data_;
};

// Success, or a failure with its reason.
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(Failure failure) : failed_(true), reason_(std::move(failure.Reason)) {}

    bool Ok() const { return !failed_; }
    explicit operator bool() const { return Ok(); }
    const std::string &Reason() const { return reason_; }

private:
    bool failed_ = false;
    std::string reason_;
};

}  // namespace tk
