// A worker's body run through the guard: what it returns stands, and whatever it throws is a failure at once,
// which frees its page like any other result.
#include "app/wizard_state.h"
#include "common/operation_result.h"
#include <gtest/gtest.h>
#include <functional>
#include <new>
#include <stdexcept>
#include <vector>

TEST(OperationResult, AWorkerEndsWithItsOwnResultOrAFailureForWhatItThrew) {
    const OperationResult threw = OperationResult::Failed(OwnFailure::WorkerThrew);
    struct Case {
        const char* what;
        std::function<OperationResult()> body;
        OperationResult expected;
    };
    const std::vector<Case> cases = {
        {"done", [] { return OperationResult::Done(); }, OperationResult::Done()},
        {"login cancelled", [] { return OperationResult::Cancelled(); }, OperationResult::Cancelled()},
        {"login refused", [] { return OperationResult::Failed(HttpStatus{401}); },
         OperationResult::Failed(HttpStatus{401})},
        {"out of memory", []() -> OperationResult { throw std::bad_alloc(); }, threw},
        {"a runtime error", []() -> OperationResult { throw std::runtime_error("x"); }, threw},
        {"not an exception class", []() -> OperationResult { throw 7; }, threw},
    };
    for (const Case& c : cases) {
        WizardState state;
        const auto ticket = state.BeginWork(WorkKind::WebOperation);
        ASSERT_TRUE(ticket);
        const OperationResult result = RunGuarded(c.body);
        EXPECT_EQ(result, c.expected) << c.what;
        // Delivered before the watchdog's first tick, the result frees the page.
        EXPECT_TRUE(state.AcceptResult(*ticket)) << c.what;
        EXPECT_TRUE(state.MayMove()) << c.what;
    }
}
