#pragma once

#include "document/Annotation.h"

#include <functional>
#include <memory>
#include <vector>

// The document's free text labels, in creation order. Holds data and list
// operations only; the plot layer draws, moves and edits them in its own
// classes. Each Annotation keeps its address until it is removed.
class AnnotationList {
public:
    AnnotationList() = default;
    AnnotationList(const AnnotationList&) = delete;
    AnnotationList& operator=(const AnnotationList&) = delete;

    int Count() const { return static_cast<int>(m_items.size()); }
    // Appends the annotation; the list owns it from then on. Returns it.
    Annotation* Add(std::unique_ptr<Annotation> annotation);
    // Removes every selected annotation, last to first; true when any was removed.
    bool DeleteSelected();
    // Deletes all annotations.
    void Clear();

    Annotation& Item(int index) { return *m_items[static_cast<std::size_t>(index)]; }
    const Annotation& Item(int index) const { return *m_items[static_cast<std::size_t>(index)]; }

    // Hooks for the plot layer, both optional. m_endEditHook is called before
    // DeleteSelected and Clear remove annotations, so that an editor or a drag
    // never refers to a deleted one; it runs before the operation starts, so
    // it may itself add the annotation being typed.
    // m_clearHook runs at the end of Clear (the plot drops its annotation font).
    std::function<void()> m_endEditHook;
    std::function<void()> m_clearHook;

    std::vector<std::unique_ptr<Annotation>> m_items;
};
