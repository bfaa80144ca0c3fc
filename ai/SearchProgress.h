#pragma once

// How a search reports its top-level steps to its caller: the caller shows them on a
// progress bar and answers whether the search must give up.
class SearchProgress {
  public:
    virtual ~SearchProgress() = default;
    virtual void SetMaximum(int maximum) = 0;
    // Advances the position by one; true means stop now.
    virtual bool Step() = 0;
    // Polled often inside a long top-level step, possibly from a search thread: true means
    // stop as soon as possible. Must be cheap and thread-safe (an atomic flag).
    virtual bool ShouldStop() const { return false; }
};

// For callers with nothing to show and nothing to stop.
class NoProgress final : public SearchProgress {
  public:
    void SetMaximum(int) override {}
    bool Step() override { return false; }
};
