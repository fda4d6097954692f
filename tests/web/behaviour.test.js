// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Every create button of the description at work, the list read but
// never changed, and failures told in an error box. Every rejection and
// every list, in each engine: engines.test.js.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { closeWindow, control, expected, form, launch, mainWindow, openPage, openWindow, showTab } from './support.js';

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

// Every button whose row says what its click does, at the defaults:
// the list its action makes.
const defaultLists = { studyList: expected.studyDefaults16, beaconList: expected.beaconDefaults };
const pageOf = (name) => {
    let at = control(name);
    while (at.kind !== 'page')
        at = control(at.parent);
    return at.name;
};

describe('every create button makes its action\'s list', () => {
    let page, errors;
    before(async () => ({ page, errors } = await openPage(browser)));
    for (const button of mainWindow.controls.filter((c) => c.click)) {
        test(`${button.name}: ${button.click.action}`, async () => {
            await page.reload();
            await showTab(page, pageOf(button.name));
            await page.click(`#${button.name}`);
            assert.deepEqual((await openWindow(page)).lines, defaultLists[button.click.action]);
            await page.click('#btnOK');
            await page.locator('dialog').waitFor({ state: 'detached' });
        });
    }
    test('no script error', () => assert.deepEqual(errors, []));
});

describe('the list window', () => {
    let page, errors;
    before(async () => ({ page, errors } = await openPage(browser)));

    test('the list can be selected but not changed', async () => {
        await page.reload();
        await page.click('#btnShow');
        await openWindow(page);
        await page.keyboard.type('xyz');
        await page.keyboard.press('Delete');
        await page.keyboard.press('Backspace');
        const memLog = await page.evaluate(() => {
            const text = document.getElementById('memLog');
            text.select();
            return { readOnly: text.readOnly, value: text.value, selected: text.selectionEnd - text.selectionStart };
        });
        assert.equal(memLog.readOnly, true);
        assert.equal(memLog.value, expected.studyDefaults16.join('\n'));
        assert.equal(memLog.selected, memLog.value.length);
        await closeWindow(page);
    });
    test('no script error', () => assert.deepEqual(errors, []));
});

// Failures made on purpose before the page's own script runs.
const failures = [
    { name: 'the module does not load', reason: 'no module here',
        init: () => { WebAssembly.instantiate = () => Promise.reject(new Error('no module here')); } },
    { name: 'the list window cannot be shown', reason: 'not shown here',
        init: () => {
            const showModal = HTMLDialogElement.prototype.showModal;
            HTMLDialogElement.prototype.showModal = function () {
                if (this.id === 'frmResult')
                    throw new Error('not shown here');
                return showModal.call(this);
            };
        } },
];

describe('a failure while making a list is told in an error box; the page goes on', () => {
    for (const row of failures) {
        test(row.name, async () => {
            const { context, page, errors } = await openPage(browser, {}, row.init);
            for (const attempt of [1, 2]) {
                await page.click('#btnShow');
                const box = await openWindow(page);
                assert.equal(box.text, form.listNotShownBecause + row.reason, `attempt ${attempt}`);
                assert.deepEqual(box.icons, ['error']);
                assert.deepEqual(box.buttons, ['OK']);
                await closeWindow(page);
                assert.equal(await page.locator('#frmResult').count(), 0);
            }
            await showTab(page, 'tabBeacon');
            assert.equal(await page.isVisible('#edtiBeaconUUID'), true);
            assert.deepEqual(errors, []);
            await context.close();
        });
    }
});
