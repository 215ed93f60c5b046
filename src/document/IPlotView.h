#pragma once

// What the document's commands may ask of the plot view without seeing its
// class: the plot sits above the document, so the document finds it among
// its views with dynamic_cast<IPlotView*>.
class IPlotView {
public:
    virtual ~IPlotView() = default;

    // Repaints the whole plot from the document.
    virtual void InvalidatePlot() = 0;
    // The zoom factor and the two zoom steps (each lays the plot out again).
    virtual float Scale() const = 0;
    virtual void ZoomIn() = 0;
    virtual void ZoomOut() = 0;
    // Turns the text being typed into an annotation and closes the editor.
    virtual void EndAnnotationEdit() = 0;
};
