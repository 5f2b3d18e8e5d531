#include "page_source.h"

namespace marklow {

TReportPages::TReportPages(TQuickRep& report, int cachedPages)
    : run_(report), cacheSize_(static_cast<size_t>(std::max(1, cachedPages))) {
    starts_.push_back(run_.Checkpoint());
}

void TReportPages::CountOne() {
    if (complete_) return;
    run_.Seek(starts_.back());
    if (!run_.SkipPage()) {
        starts_.pop_back();
        complete_ = true;
        return;
    }
    ++counted_;
    if (run_.AtEnd())
        complete_ = true;
    else
        starts_.push_back(run_.Checkpoint());
}

bool TReportPages::CountFor(std::chrono::milliseconds budget) {
    auto end = std::chrono::steady_clock::now() + budget;
    while (!complete_) {
        CountOne();
        if (std::chrono::steady_clock::now() >= end) break;
    }
    return complete_;
}

void TReportPages::CountAll() {
    while (!complete_)
        CountOne();
}

const TPageCheckpoint* TReportPages::Start(int index) const {
    if (index < 0 || index >= static_cast<int>(starts_.size())) return nullptr;
    return &starts_[static_cast<size_t>(index)];
}

std::shared_ptr<const TReportPage> TReportPages::Page(int index) {
    if (index < 0) return nullptr;
    while (!complete_ && counted_ <= index)
        CountOne();
    if (index >= counted_) return nullptr;
    for (auto it = cache_.begin(); it != cache_.end(); ++it) {
        if (it->first != index) continue;
        cache_.splice(cache_.begin(), cache_, it);
        return cache_.front().second;
    }
    run_.Seek(starts_[static_cast<size_t>(index)]);
    auto page = run_.NextPage();
    if (!page) return nullptr;
    ++layouts_;
    auto shared = std::make_shared<const TReportPage>(std::move(*page));
    cache_.emplace_front(index, shared);
    if (cache_.size() > cacheSize_) cache_.pop_back();
    return shared;
}

} // namespace marklow
