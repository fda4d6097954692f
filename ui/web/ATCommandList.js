// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

import { ShowModalWindow } from './ModalWindow.js';

// TfrmResult, the command list window: a new dialog from the page's
// template for each list, shown modally, gone from the page once closed.
export class TfrmResult {
    constructor() {
        this.frmResult = document.getElementById('TfrmResult').content.firstElementChild.cloneNode(true);
        this.memLog = this.frmResult.querySelector('#memLog');
        this.btnOK = this.frmResult.querySelector('#btnOK');
        this.lineCount = 0;
        this.btnOK.addEventListener('click', () => this.btnOKClick());
        this.frmResult.querySelector('#btnCopy').addEventListener('click', () => this.CopyAll());
        this.frmResult.querySelector('.close').addEventListener('click', () => this.frmResult.close());
        // OK is not the window's cancel button: Escape leaves the list open,
        // as in the desktop programs. Cancelling the key keeps the browser
        // from turning it into a close request at all.
        this.frmResult.addEventListener('keydown', (event) => {
            if (event.key === 'Escape')
                event.preventDefault();
        });
        // Chromium moves no caret in a read-only text: Ctrl+Home and
        // Ctrl+End take it, and the view with it, to either end of the
        // list (with Shift, selecting up to there), as in the desktop
        // programs; the arrow keys still scroll the view.
        this.memLog.addEventListener('keydown', (event) => {
            if (!event.ctrlKey || event.altKey || event.metaKey || !['Home', 'End'].includes(event.key))
                return;
            event.preventDefault();
            const to = event.key === 'Home' ? 0 : this.memLog.value.length;
            const from = this.memLog.selectionDirection === 'backward' ? this.memLog.selectionEnd
                : this.memLog.selectionStart;
            if (event.shiftKey)
                this.memLog.setSelectionRange(Math.min(from, to), Math.max(from, to), to < from ? 'backward' : 'forward');
            else
                this.memLog.setSelectionRange(to, to);
            this.memLog.scrollTop = to === 0 ? 0 : this.memLog.scrollHeight;
        });
        this.frmResult.addEventListener('cancel', (event) => event.preventDefault());
    }

    AddLine(line) {
        this.memLog.value += (this.lineCount++ > 0 ? '\n' : '') + line;
    }

    btnOKClick() {
        this.frmResult.close();
    }

    // The page's own, in one column: the whole list on the clipboard, or,
    // where the browser refuses that, the whole list selected and copied
    // the old way; either way it is left selected, to show what was copied.
    CopyAll() {
        const selectAll = () => {
            this.memLog.focus();
            this.memLog.setSelectionRange(0, this.memLog.value.length);
        };
        selectAll();
        const copied = navigator.clipboard?.writeText(this.memLog.value)
            ?? Promise.reject(new Error('no clipboard here'));
        return copied.catch(() => document.execCommand('copy')).finally(selectAll);
    }

    // Resolves when the window closes, however it is closed. The list
    // opens at its first line, the caret before it: the browser would keep
    // the view where the text ended when it was filled.
    ShowModal() {
        const closed = ShowModalWindow(this.frmResult);
        this.memLog.setSelectionRange(0, 0);
        this.memLog.scrollTop = 0;
        return closed;
    }

    Destroy() {
        this.frmResult.remove();
    }
}
