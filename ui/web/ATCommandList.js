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
        this.frmResult.querySelector('.close').addEventListener('click', () => this.frmResult.close());
        // OK is not the window's cancel button: Escape leaves the list open,
        // as in the desktop programs. Cancelling the key keeps the browser
        // from turning it into a close request at all.
        this.frmResult.addEventListener('keydown', (event) => {
            if (event.key === 'Escape')
                event.preventDefault();
        });
        this.frmResult.addEventListener('cancel', (event) => event.preventDefault());
    }

    AddLine(line) {
        this.memLog.value += (this.lineCount++ > 0 ? '\n' : '') + line;
    }

    btnOKClick() {
        this.frmResult.close();
    }

    // Resolves when the window closes, however it is closed.
    ShowModal() {
        const closed = ShowModalWindow(this.frmResult);
        this.memLog.setSelectionRange(0, 0);
        return closed;
    }

    Destroy() {
        this.frmResult.remove();
    }
}
