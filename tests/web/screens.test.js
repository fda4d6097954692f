// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Other screens: on a phone (360 by 640, touch) the whole window and each
// dialog are in view without scrolling sideways, scaled as a whole, and
// work by touch and typing; at browser zoom 200 % nothing is cut off.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { closeWindow, expected, launch, mainWindow, openPage, openWindow } from './support.js';

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

// Where the window and the open dialog, if any, lie in the viewport that
// the user sees at the page's first scale, and how much can be scrolled.
const View = (page) => page.evaluate(() => {
    const { width, height } = window.visualViewport;
    const shown = (element) => {
        const box = element.getBoundingClientRect();
        return { left: box.left >= 0, right: box.right <= width, top: box.top >= 0,
            reachable: element.scrollHeight <= element.clientHeight || getComputedStyle(element).overflowY === 'auto'
                || box.bottom <= height };
    };
    const dialog = document.querySelector('dialog[open]');
    return {
        sideways: document.documentElement.scrollWidth > Math.ceil(width),
        window: shown(document.getElementById('frmMain')),
        dialog: dialog ? shown(dialog) : null,
        windowWidth: document.getElementById('frmMain').offsetWidth,
    };
});
const whole = { left: true, right: true, top: true, reachable: true };

const screens = [
    { name: 'phone, 360 by 640, touch', options: { viewport: { width: 360, height: 640 }, deviceScaleFactor: 3,
        isMobile: true, hasTouch: true } },
    { name: 'zoom 200 % of a 1280 by 800 window', options: { viewport: { width: 640, height: 400 },
        deviceScaleFactor: 2 } },
];

for (const screen of screens) {
    describe(screen.name, () => {
        let context, page, errors;
        before(async () => ({ context, page, errors } = await openPage(browser, screen.options)));
        after(() => context.close());
        const tap = (selector) => (screen.options.hasTouch ? page.tap(selector) : page.click(selector));

        test('the main window, unchanged in its layout', async () => {
            const view = await View(page);
            assert.deepEqual(view, { sideways: false, window: whole, dialog: null, windowWidth: mainWindow.clientWidth });
        });
        test('a list', async () => {
            await tap('#tabBeacon-tab');
            await tap('#btniBeacon');
            assert.deepEqual((await openWindow(page)).lines, expected.beaconDefaults);
            assert.deepEqual((await View(page)).dialog, whole);
            await tap('#btnOK');
            await page.locator('dialog').waitFor({ state: 'detached' });
        });
        test('a rejection, after typing into a field', async () => {
            await tap('#edtiBeaconMajor');
            await page.keyboard.press('Control+A');
            await page.keyboard.type('12-45');
            await tap('#btniBeacon');
            assert.equal((await openWindow(page)).text, expected.messages.badMajor);
            assert.deepEqual((await View(page)).dialog, whole);
            await closeWindow(page);
        });
        test('no script error', () => assert.deepEqual(errors, []));
    });
}
