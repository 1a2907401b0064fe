#pragma once
#include <QObject>
#include <QThread>
#include <mutex>
#include <type_traits>

#include "app/batch_pause.h"
#include "app/batch_progress.h"
#include "app/user_messages.h"
#include "core/font_resolver.h"

namespace quorin {

// Lets a batch running on other threads ask the person something: the
// question runs on the window's thread while the asking thread waits. One
// question at a time, so that parallel conversions asking for the same font
// find the answer of the first in the font map instead of asking again.
// Questions asked on the window's thread itself run at once. While a
// question is open the batch is paused: no file starts and no output is
// committed until the person has answered.
class GuiThreadQuestions {
public:
    GuiThreadQuestions(QObject* guiObject, BatchPause* pause) : gui_(guiObject), pause_(pause) {}

    template <class Question>
    std::invoke_result_t<Question> Ask(Question&& question) {
        auto held = [&] {
            BatchPause::Scope hold(pause_);
            return question();
        };
        if (QThread::currentThread() == gui_->thread()) return held();
        std::lock_guard lock(mutex_);
        std::invoke_result_t<Question> answer{};
        QMetaObject::invokeMethod(gui_, [&] { answer = held(); }, Qt::BlockingQueuedConnection);
        return answer;
    }

private:
    QObject* gui_;
    BatchPause* pause_;
    std::mutex mutex_;
};

// Messages shown by `target` on the window's thread.
class GuiThreadMessages : public UserMessages {
public:
    GuiThreadMessages(GuiThreadQuestions& questions, UserMessages& target) : questions_(questions), target_(target) {}
    MessageAnswer Show(const UserMessage& message) override {
        return questions_.Ask([&] { return target_.Show(message); });
    }

private:
    GuiThreadQuestions& questions_;
    UserMessages& target_;
};

// Font answers of `target` (which may show the font dialog) on the window's thread.
class GuiThreadFonts : public FontResolver {
public:
    GuiThreadFonts(GuiThreadQuestions& questions, FontResolver& target) : questions_(questions), target_(target) {}
    FontSubstitutes LookupSubstitutes(const std::string& wordPerfectName) override {
        return questions_.Ask([&] { return target_.LookupSubstitutes(wordPerfectName); });
    }
    FontSubstitutes LookupSubstitutesFor(const std::string& documentPath, const std::string& wordPerfectName) override {
        return questions_.Ask([&] { return target_.LookupSubstitutesFor(documentPath, wordPerfectName); });
    }

private:
    GuiThreadQuestions& questions_;
    FontResolver& target_;
};

// A progress view on the window's thread, fed from the batch's threads
// without waiting: each call is queued in order.
template <class View>
class GuiThreadProgress : public BatchProgressView {
public:
    explicit GuiThreadProgress(View* view) : view_(view) {}

    void SetRange(int32_t lower, int32_t upper) override {
        Post([=](View* v) { v->SetRange(lower, upper); });
    }
    void SetStep(int32_t step) override {
        Post([=](View* v) { v->SetStep(step); });
    }
    void StepIt() override {
        Post([](View* v) { v->StepIt(); });
    }
    void ShowFileName(const std::string& name) override {
        Post([name](View* v) { v->ShowFileName(name); });
    }
    void Close() override {
        Post([](View* v) { v->Close(); });
    }

private:
    template <class Call>
    void Post(Call call) {
        // The view outlives the batch; calls still queued when it goes are dropped with it.
        View* view = view_;
        QMetaObject::invokeMethod(view_, [view, call] { call(view); }, Qt::QueuedConnection);
    }

    View* view_;
};

}  // namespace quorin
