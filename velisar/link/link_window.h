#pragma once

// What the word-processor link does to the finder window. The window
// implements it; the tests use a fake that records the calls.
class LinkWindow {
public:
    virtual ~LinkWindow() = default;

    // Lets the window handle its pending events.
    virtual void yieldToEvents() = 0;

    // A lookup is under way: the Cancel button only stops ("إيقاف البحث"),
    // it does not send the window to rest.
    virtual void markSearchRunning() = 0;
    virtual void enableWindow() = 0;
    // No word processor: the window leaves the taskbar for its normal state.
    virtual void restoreNormalState() = 0;
    // Before a selection is searched: the text box, the list and the two
    // labels are emptied, the list shown, the text box enabled.
    virtual void clearForLookup() = 0;
    // The typed-input layout, with the focus in the text box.
    virtual void Searching_By_myText() = 0;

    virtual int resultRowCount() const = 0;
    // The selected row of the result list; -1 when none is.
    virtual int selectedRow() const = 0;

    // The copy pop-up and the help button.
    virtual void hideCopyAndHelpButtons() = 0;
    virtual void Show_All_Command_Button() = 0;

    // Rest: the window is emptied and the link released.
    virtual void Show_Icon_Window() = 0;
    virtual void minimizeWindow() = 0;
};
