// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The page on every kind of screen, each crossed with every state (each
// tab, the message box, each list): nothing off the screen and no
// sideways scroll; sizes on the screen (CSS pixels times the zoom) as the
// description has them where the whole form fits, else large enough for a
// finger and for reading; each list shown from its first line with its
// caption bar on the screen; and in one column, "Copy" putting the whole
// list on the clipboard.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { expected, launch, mainWindow, openPage, openWindow, resultWindow, setField } from './support.js';

const phone = { deviceScaleFactor: 2, isMobile: true, hasTouch: true };
// column: the form in one column; wholeList: the list window at its places.
const screens = [
    { name: 'phone, 320 by 568', options: { viewport: { width: 320, height: 568 }, ...phone }, column: true },
    { name: 'phone, 360 by 640', options: { viewport: { width: 360, height: 640 }, ...phone }, column: true },
    { name: 'phone, 390 by 844', options: { viewport: { width: 390, height: 844 }, ...phone }, column: true },
    { name: 'phone on its side, 640 by 360', options: { viewport: { width: 640, height: 360 }, ...phone } },
    { name: 'tablet, 768 by 1024', options: { viewport: { width: 768, height: 1024 }, ...phone }, wholeList: true },
    { name: '1280 by 800', options: { viewport: { width: 1280, height: 800 } }, wholeList: true },
    // Browser zoom: the same window, fewer and larger CSS pixels.
    { name: '1280 by 800 at 200 %', options: { viewport: { width: 640, height: 400 }, deviceScaleFactor: 2 }, zoom: 2 },
    { name: '1280 by 800 at 400 %', options: { viewport: { width: 320, height: 200 }, deviceScaleFactor: 4 }, zoom: 4,
        column: true },
];

const states = [
    { name: 'study tab', tab: 'tbStudy' },
    { name: 'iBeacon tab', tab: 'tabBeacon' },
    { name: 'third tab', tab: 'TabSheet1' },
    { name: 'a rejection', tab: 'tbStudy', fields: { edtCharNotify: '' }, button: 'btnShow', message: expected.messages.fill },
    { name: 'study list, 16-bit', tab: 'tbStudy', button: 'btnShow', lines: expected.studyDefaults16 },
    { name: 'study list, 128-bit', tab: 'tbStudy', uuidType: 1, button: 'btnShow', lines: expected.studyExample128,
        fields: { edtCharNotify: expected.workedNotify, edtCharWrite: expected.workedWrite } },
    { name: 'iBeacon list', tab: 'tabBeacon', button: 'btniBeacon', lines: expected.beaconDefaults },
];

// Run in the page: what lies off the screen and what is too small on it,
// for the open dialog or else the main window, on a screen `width` by
// `height` CSS pixels. The page may scroll down, never sideways; a dialog
// never scrolls, so all of it is in view.
function OnScreen({ zoom, column, width, height }) {
    const dialog = document.querySelector('dialog[open]');
    const within = dialog ?? document.getElementById('frmMain');
    const off = [];
    const small = [];
    const name = (element) => element.id || element.className || element.tagName;
    const outside = (box) => box.left < 0 || box.right > width + 0.5 || box.top < 0
        || (dialog && box.bottom > height + 0.5);
    const visible = (element) => element.checkVisibility() && !element.closest('[hidden]');
    const strip = document.getElementById('MainPage');
    for (const element of within.querySelectorAll('.ctl, .caption, .close, button, h1, legend, label, .panel')) {
        // A tab scrolled out of its strip is in reach: the strip scrolls.
        if (!visible(element) || (!dialog && strip.contains(element) && element !== strip))
            continue;
        if (outside(element.getBoundingClientRect()))
            off.push(name(element));
    }
    for (const text of within.querySelectorAll('.text, label, legend, p, h1, .caption > span')) {
        if (!visible(text) || (!dialog && strip.contains(text)))
            continue;
        const range = document.createRange();
        range.selectNodeContents(text);
        if (outside(range.getBoundingClientRect()))
            off.push(`text of ${name(text)}`);
    }
    if (column) {
        const targets = [...within.querySelectorAll('[role=tab], .edit, .dropdown, button')].filter(visible);
        for (const target of targets) {
            const box = target.getBoundingClientRect();
            if (box.width * zoom < 44 || box.height * zoom < 44)
                small.push(`${name(target)} ${box.width * zoom}x${box.height * zoom}`);
        }
        for (const text of within.querySelectorAll('.text, label, legend, p, h1, .caption > span, .edit, .dropdown, .memo')) {
            const field = text.matches('.edit, .dropdown, .memo');
            const size = parseFloat(getComputedStyle(text).fontSize) * zoom;
            if (visible(text) && size < (field ? 16 : 14))
                small.push(`text of ${name(text)} ${size}px`);
        }
    }
    const client = (dialog ? dialog.querySelector('.client') : within).getBoundingClientRect();
    const memLog = dialog?.querySelector('textarea');
    return {
        sideways: document.documentElement.scrollWidth > width,
        off,
        small,
        client: [client.width * zoom, client.height * zoom],
        start: memLog ? [memLog.scrollTop, memLog.selectionStart, memLog.selectionEnd] : null,
        copy: dialog?.querySelector('.copy')?.checkVisibility() ?? null,
    };
}

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

for (const screen of screens) {
    describe(screen.name, () => {
        const zoom = screen.zoom ?? 1;
        const column = screen.column ?? false;
        let context, page, errors;
        before(async () => {
            ({ context, page, errors } = await openPage(browser, screen.options));
            await context.grantPermissions(['clipboard-read', 'clipboard-write']);
        });
        after(() => context.close());
        const press = (selector) => (screen.options.hasTouch ? page.tap(selector) : page.click(selector));

        for (const state of states) {
            test(state.name, async () => {
                await page.reload();
                await press(`#${state.tab}-tab`);
                for (const [id, text] of Object.entries(state.fields ?? {}))
                    await setField(page, id, text);
                if (state.uuidType)
                    await page.selectOption('#cbUUIDType', { index: state.uuidType });
                if (state.button) {
                    await press(`#${state.button}`);
                    const shown = await openWindow(page);
                    assert.deepEqual([shown.text, shown.lines], [state.message, state.lines]);
                }

                // The screen's own size: a phone widens its page to what it holds.
                const seen = await page.evaluate(OnScreen, { zoom, column, ...screen.options.viewport });
                assert.deepEqual([seen.sideways, seen.off, seen.small], [false, [], []]);
                if (!state.button && !column)
                    assert.deepEqual(seen.client, [mainWindow.clientWidth * zoom, mainWindow.clientHeight * zoom]);
                if (!state.lines)
                    return;
                assert.deepEqual(seen.start, [0, 0, 0], 'the list from its first line, the caret before it');
                if (screen.wholeList)
                    assert.deepEqual(seen.client, [resultWindow.clientWidth * zoom, resultWindow.clientHeight * zoom]);
                assert.equal(seen.copy, column, 'Copy in one column only');
                if (column) {
                    await press('#btnCopy');
                    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), state.lines.join('\n'));
                    assert.deepEqual(await page.evaluate(() => {
                        const memLog = document.getElementById('memLog');
                        return [document.activeElement.id, memLog.selectionStart, memLog.selectionEnd];
                    }), ['memLog', 0, state.lines.join('\n').length], 'the whole list left selected');
                }
                await press('#btnOK');
                await page.locator('dialog').waitFor({ state: 'detached' });
            });
        }
        test('no script error', () => assert.deepEqual(errors, []));
    });
}
