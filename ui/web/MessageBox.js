// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

import { ShowModalWindow } from './ModalWindow.js';

// The one message box of the page: modal over the inert page, its caption
// the program's, an icon, the text and one OK button, which has the focus.
// Escape closes it, as it closes the desktop programs' message boxes.
// Resolves when it is closed; it is then gone from the page.
export async function ShowMessage(text, kind) {
    const box = document.getElementById('MessageBox').content.firstElementChild.cloneNode(true);
    box.querySelector('p').textContent = text;
    box.querySelector(`.icon:not(.${kind})`).remove();
    box.querySelector('button').addEventListener('click', () => box.close());
    try {
        await ShowModalWindow(box);
    } finally {
        box.remove();
    }
}
