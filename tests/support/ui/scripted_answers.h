// The answers a scripted dialog gives, in order: asking with none left, or
// leaving one unused, fails the test.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <utility>

namespace orv::testing {

template <class Answer>
class ScriptedAnswers {
  public:
    explicit ScriptedAnswers(std::string dialog) : dialog_(std::move(dialog)) {}
    ~ScriptedAnswers() {
        if (!answers_.empty())
            ADD_FAILURE() << answers_.size() << " " << dialog_ << " answer(s) never used";
    }
    ScriptedAnswers(const ScriptedAnswers&) = delete;
    ScriptedAnswers& operator=(const ScriptedAnswers&) = delete;

    // Nothing stands for a cancelled dialog.
    void Add(std::optional<Answer> answer) { answers_.push_back(std::move(answer)); }
    std::optional<Answer> Next() {
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected " << dialog_;
            return std::nullopt;
        }
        std::optional<Answer> answer = std::move(answers_.front());
        answers_.pop_front();
        return answer;
    }

  private:
    std::string dialog_;
    std::deque<std::optional<Answer>> answers_;
};

}  // namespace orv::testing
