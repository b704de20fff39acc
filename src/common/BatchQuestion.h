#pragma once
// How the batches over selected rows (delete of empty items, restore and purge of
// trash items) ask about each row without knowing the dialog: the caller answers
// with a decision, the Yes/All/No/Cancel box and its "全て" rule living on its side.

#include <functional>
#include <string>

namespace quorvex {

enum class BatchDecision
{
    Proceed, // act on this row
    Skip,    // leave this row, go on with the next one
    Stop,    // leave this row and end the batch
};

// Asks (title, message) about one row.
using BatchQuestion =
    std::function<BatchDecision(const std::string& title, const std::string& message)>;
// Shows a plain message with an OK button.
using BatchNotice = std::function<void(const std::string& message)>;

// "[ path ]\n\nこの" + kind word + question: the message of every batch question.
inline std::string BatchQuestionText(const std::string& path, const char* kindWord,
                                     const char* question)
{
    return "[ " + path + " ]\n\nこの" + kindWord + question;
}

} // namespace quorvex
