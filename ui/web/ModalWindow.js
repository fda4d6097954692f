// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Shows a dialog modally over the inert page. Tab and Shift+Tab go round
// its own controls, as in a desktop window, rather than out to the
// browser's. Resolves when the dialog closes, however it is closed.
export function ShowModalWindow(dialog) {
    document.body.append(dialog);
    dialog.addEventListener('keydown', (event) => {
        if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey)
            return;
        const stops = [...dialog.querySelectorAll('button, input, select, textarea')]
            .filter((control) => control.tabIndex >= 0 && control.checkVisibility());
        const [first, last] = event.shiftKey ? [stops.at(-1), stops[0]] : [stops[0], stops.at(-1)];
        if (document.activeElement === last) {
            event.preventDefault();
            first.focus();
        }
    });
    const closed = new Promise((resolve) => dialog.addEventListener('close', resolve, { once: true }));
    dialog.showModal();
    return closed;
}
