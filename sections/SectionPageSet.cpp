#include "sections/SectionPageSet.h"

#include "style/Utf16.h"

namespace sections {

SectionPageSet::~SectionPageSet()
{
    Destroy();
}

bool SectionPageSet::Create(TabContainer& container, HWND mainFrame)
{
    if (!container.Handle() || container_) return false;
    container_ = &container;
    mainFrame_ = mainFrame;
    pages_.resize(SectionCatalogue().size());
    failed_.assign(pages_.size(), false);
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        auto page = std::make_unique<Owned<SectionPage>>(SectionCatalogue()[i].page);
        if (!page->Create(container.Handle())) return false;
        page->SetMainFrame(mainFrame, storeNotice_);
        container.AddPage(page->Handle());
        pages_[i] = std::move(page);
    }
    container.Strip().SelectTab(0);
    return true;
}

bool SectionPageSet::Start(TabContainer& container, HWND mainFrame)
{
    if (!container.Handle() || container_) return false;
    container_ = &container;
    mainFrame_ = mainFrame;
    pages_.resize(SectionCatalogue().size());
    failed_.assign(pages_.size(), false);
    for (const CataloguePage& entry : SectionCatalogue())
        container.Strip().AppendTab(WidenUtf8(entry.title), -1, nullptr);
    if (!MakePage(0)) return false;
    container.SetPageMaker([this](int index) { return MakePage(index); });
    container.Strip().SelectTab(0);
    return true;
}

bool SectionPageSet::MakeNextPage(unsigned milliseconds)
{
    if (!container_ || !container_->Handle()) return false;
    const StepDeadline deadline = StepDeadline::After(milliseconds);
    if (!building_) {
        std::size_t next = 0;
        while (next < pages_.size() && (pages_[next] || failed_[next])) ++next;
        if (next == pages_.size()) return false;
        auto page = std::make_unique<Owned<SectionPage>>(SectionCatalogue()[next].page);
        if (!page->CreateInSteps(container_->Handle())) {
            Fail(next);
        } else {
            PlaceInTabOrder(next, page->Handle());
            building_ = std::move(page);
            buildingIndex_ = next;
        }
    }
    if (building_) {
        if (!building_->MakeMoreControls(deadline)) {
            building_.reset();
            Fail(buildingIndex_);
        } else if (building_->Complete()) {
            Keep(buildingIndex_, std::move(building_));
        }
    }
    if (building_) return true;
    for (std::size_t i = 0; i < pages_.size(); ++i)
        if (!pages_[i] && !failed_[i]) return true;
    return false;
}

HWND SectionPageSet::MakePage(int tabIndex)
{
    if (!container_ || !container_->Handle() || tabIndex < 0 || tabIndex >= static_cast<int>(pages_.size()))
        return nullptr;
    const std::size_t index = static_cast<std::size_t>(tabIndex);
    if (pages_[index]) return pages_[index]->Handle();
    if (failed_[index]) return nullptr;

    if (building_ && buildingIndex_ == index) {
        // Half made: the rest now.
        std::unique_ptr<Owned<SectionPage>> page = std::move(building_);
        if (!page->MakeMoreControls()) {
            Fail(index);
            return nullptr;
        }
        return Keep(index, std::move(page)) ? pages_[index]->Handle() : nullptr;
    }
    auto page = std::make_unique<Owned<SectionPage>>(SectionCatalogue()[index].page);
    if (!page->Create(container_->Handle())) {
        Fail(index);
        return nullptr;
    }
    PlaceInTabOrder(index, page->Handle());
    return Keep(index, std::move(page)) ? pages_[index]->Handle() : nullptr;
}

HWND SectionPageSet::WindowOf(std::size_t index) const
{
    if (pages_[index]) return pages_[index]->Handle();
    return building_ && buildingIndex_ == index ? building_->Handle() : nullptr;
}

void SectionPageSet::PlaceInTabOrder(std::size_t index, HWND page) const
{
    for (std::size_t before = index; before-- > 0;) {
        if (HWND previous = WindowOf(before)) {
            SetWindowPos(page, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
            return;
        }
    }
}

bool SectionPageSet::Keep(std::size_t index, std::unique_ptr<Owned<SectionPage>> page)
{
    if (!page->Handle()) {
        Fail(index);
        return false;
    }
    page->SetMainFrame(mainFrame_, storeNotice_);
    container_->Strip().SetTabPage(static_cast<int>(index), page->Handle());
    pages_[index] = std::move(page);
    return true;
}

void SectionPageSet::Fail(std::size_t index)
{
    failed_[index] = true;
    if (!failureTold_ && failureNotice_) {
        failureTold_ = true;
        failureNotice_(static_cast<int>(index));
    }
}

void SectionPageSet::Destroy()
{
    if (container_) container_->SetPageMaker(nullptr);
    container_ = nullptr;
    building_.reset();
    pages_.clear();
    failed_.clear();
}

int SectionPageSet::Count() const
{
    int made = 0;
    for (const auto& page : pages_)
        if (page) ++made;
    return made;
}

SectionPage* SectionPageSet::Page(int tabIndex) const
{
    return tabIndex >= 0 && tabIndex < static_cast<int>(pages_.size()) ? pages_[static_cast<std::size_t>(tabIndex)].get()
                                                                        : nullptr;
}

SectionPage* SectionPageSet::Page(SectionPageId page) const
{
    for (const auto& entry : pages_)
        if (entry && entry->Page() == page) return entry.get();
    return nullptr;
}

} // namespace sections
