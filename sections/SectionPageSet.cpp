#include "sections/SectionPageSet.h"

namespace sections {

SectionPageSet::~SectionPageSet()
{
    Destroy();
}

bool SectionPageSet::Create(TabContainer& container, HWND mainFrame)
{
    if (!container.Handle() || !pages_.empty()) return false;
    for (const CataloguePage& entry : SectionCatalogue()) {
        auto page = std::make_unique<Owned<SectionPage>>(entry.page);
        if (!page->Create(container.Handle())) return false;
        page->SetMainFrame(mainFrame);
        container.AddPage(page->Handle());
        pages_.push_back(std::move(page));
    }
    container.Strip().SelectTab(0);
    return true;
}

void SectionPageSet::Destroy()
{
    pages_.clear();
}

SectionPage* SectionPageSet::Page(int tabIndex) const
{
    return tabIndex >= 0 && tabIndex < Count() ? pages_[static_cast<std::size_t>(tabIndex)].get() : nullptr;
}

SectionPage* SectionPageSet::Page(SectionPageId page) const
{
    for (const auto& entry : pages_)
        if (entry->Page() == page) return entry.get();
    return nullptr;
}

} // namespace sections
