#pragma once

#include "pages/Pages.h"

#include <QHash>

#include <functional>
#include <memory>

namespace hb {

class HostedPage;
struct PageContext;

// Which pages are built and by what. The program shell asks it for each page of its page area;
// a page nobody registered is shown as a page to come.
class PageRegistry
{
public:
    using Factory = std::function<std::unique_ptr<HostedPage>(PageContext&)>;
    void add(Page page, Factory factory) { m_factories.insert(page, std::move(factory)); }
    bool has(Page page) const { return m_factories.contains(page); }
    std::unique_ptr<HostedPage> make(Page page, PageContext& context) const
    {
        const auto it = m_factories.constFind(page);
        return it == m_factories.cend() ? nullptr : (*it)(context);
    }

private:
    QHash<Page, Factory> m_factories;
};

} // namespace hb
