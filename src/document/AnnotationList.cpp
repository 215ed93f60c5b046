#include "document/AnnotationList.h"

Annotation* AnnotationList::Add(std::unique_ptr<Annotation> annotation)
{
    m_items.push_back(std::move(annotation));
    return m_items.back().get();
}

bool AnnotationList::DeleteSelected()
{
    if (m_endEditHook)
        m_endEditHook();
    bool removed = false;
    for (std::size_t i = m_items.size(); i-- > 0;) {
        if (m_items[i]->selected) {
            m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(i));
            removed = true;
        }
    }
    return removed;
}

void AnnotationList::Clear()
{
    if (m_endEditHook)
        m_endEditHook();
    m_items.clear();
    if (m_clearHook)
        m_clearHook();
}
