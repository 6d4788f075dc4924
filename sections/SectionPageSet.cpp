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
        page->SetMainFrame(mainFrame);
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

bool SectionPageSet::MakeNextPage()
{
    if (!container_ || !container_->Handle()) return false;
    std::size_t next = 0;
    while (next < pages_.size() && (pages_[next] || failed_[next])) ++next;
    if (next == pages_.size()) return false;
    MakePage(static_cast<int>(next));
    while (next < pages_.size() && (pages_[next] || failed_[next])) ++next;
    return next < pages_.size();
}

HWND SectionPageSet::MakePage(int tabIndex)
{
    if (!container_ || !container_->Handle() || tabIndex < 0 || tabIndex >= static_cast<int>(pages_.size()))
        return nullptr;
    const std::size_t index = static_cast<std::size_t>(tabIndex);
    if (pages_[index]) return pages_[index]->Handle();
    if (failed_[index]) return nullptr;

    auto page = std::make_unique<Owned<SectionPage>>(SectionCatalogue()[index].page);
    if (!page->Create(container_->Handle())) {
        failed_[index] = true;
        if (!failureTold_ && failureNotice_) {
            failureTold_ = true;
            failureNotice_(tabIndex);
        }
        return nullptr;
    }
    page->SetMainFrame(mainFrame_);
    // Among the container's children the pages stand in tab order, as if all
    // had been made one after the other: behind the nearest page before it.
    for (std::size_t before = index; before-- > 0;) {
        if (pages_[before] && pages_[before]->Handle()) {
            SetWindowPos(page->Handle(), pages_[before]->Handle(), 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
            break;
        }
    }
    container_->Strip().SetTabPage(tabIndex, page->Handle());
    pages_[index] = std::move(page);
    return pages_[index]->Handle();
}

void SectionPageSet::Destroy()
{
    if (container_) container_->SetPageMaker(nullptr);
    container_ = nullptr;
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
