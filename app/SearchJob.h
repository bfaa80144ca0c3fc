#pragma once

#include <atomic>
#include <memory>
#include <thread>

#include "ai/Engine.h"

// One top-level search of a computer turn, run on a worker thread so that the window
// thread stays free to repaint and to run menu commands. The window thread polls it for
// progress and for the end; a stop request is seen by the search at its next poll.
class SearchJob {
  public:
    SearchJob(const ValueGrid& grid, int side, const SearchSettings& settings);
    // Requests a stop and waits for the worker, unless it was abandoned.
    ~SearchJob();
    SearchJob(const SearchJob&) = delete;
    SearchJob& operator=(const SearchJob&) = delete;

    void RequestStop();
    bool Finished() const;
    // The progress bar's maximum as the search set it, -1 before it did; and its steps.
    int Maximum() const;
    int Steps() const;
    // Valid once Finished().
    const SearchOutcome& Outcome() const;

    // The program is ending: stop without waiting. The worker finishes on its own data.
    void Abandon();

  private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    std::thread m_worker;
};
