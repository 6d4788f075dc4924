// The commands of the File menu and the toolbar that act on the working page
// and on style files (Open, Save, Revert to Saved, Revert to Default), and
// the prompt before the program closes. The main frame makes them once its
// preview exists, routes those commands here (their ids are the ID_GP_ names
// of resources/ResourceIds.h) and tells them of every change to the page, so
// that this one place keeps the saved flag that decides the exit prompt.
//
// Prompts are owned by the main frame; "File format incorrect!" and the
// other messages about a style file or the working page by the preview
// view's window; the file dialogs by the window active then.
#pragma once

#include <windows.h>

#include <functional>

#include "style/StyleFile.h"

class StyleFileCommands {
public:
    // The prompts' texts.
    static const wchar_t kLoadPrompt[];
    static const wchar_t kRevertToSavedPrompt[];
    static const wchar_t kRevertToDefaultPrompt[];
    static const wchar_t kExitPrompt[];

    // mainFrame owns the prompts, preview the messages about style files;
    // refresh makes the preview read the working page again. The saved flag
    // starts as yes: nothing has been changed yet.
    StyleFileCommands(HWND mainFrame, HWND preview, std::function<void()> refresh);

    // Runs the command; false for an id that is not one of the four above.
    bool HandleCommand(UINT id);

    // " Load saved page?  All current changes will be lost! "; on Yes asks
    // for a style file and loads it, refreshing the preview when it was
    // loaded. The saved flag becomes whether it was. No changes nothing.
    // Returns how it ended (Cancelled for No as for a cancelled dialog).
    StyleFile::Outcome Open();
    // The same with " Revert to saved page?  ... ".
    StyleFile::Outcome RevertToSaved();
    // " Revert to default page?  ... "; on Yes writes the working page from
    // the template again and refreshes the preview; the flag becomes yes.
    // When the page cannot be written a message says so and nothing changes.
    StyleFile::Outcome RevertToDefault();
    // No prompt: asks for a file name and writes the style; the flag becomes
    // whether it was written.
    StyleFile::Outcome Save();
    // The close request: when the flag is no asks " Save page before exit? "
    // and on Yes saves. Never stops the closing. When the save was refused
    // (the message said why) the question comes again, so that work is not
    // lost unseen; a cancelled save dialog ends it.
    void PromptBeforeExit();
    // kPageChangedMessage: the page changed; the flag becomes no and the
    // preview is refreshed.
    void OnPageChanged();

    bool Saved() const { return saved_; }
    void SetSaved(bool saved) { saved_ = saved; }

private:
    StyleFile::Outcome LoadAfterPrompt(const wchar_t* prompt);
    void RefreshPreview();

    HWND mainFrame_;
    HWND preview_;
    std::function<void()> refresh_;
    bool saved_ = true;
};
