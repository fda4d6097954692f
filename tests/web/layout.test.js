// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The windows at a desktop's width: each control under its name, at the
// place and size the window suites expect, with its text; the docked
// groups stacked; the client areas, the status bar and the captions; and
// the face drawn, the system's or the bundled one.

import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { expected, mainWindow, openWindow, pages, resultWindow, showTab, withCdpPage } from './support.js';

let page, cdp;
withCdpPage(['DOM', 'CSS'], (opened) => ({ page, cdp } = opened));

// Where the window suites of both desktop programs expect each control
// (tests/shared/ExpectedLayout.h): written out, not the description.
const { layout } = expected;

// Each control's box relative to its parent's element, in CSS pixels,
// and the text it shows.
function Boxes(window) {
    return page.evaluate((controls) => {
        // A tab control's box holds its tab strip, which has its name.
        const element = (name) => document.getElementById(`${name}-frame`) ?? document.getElementById(name);
        const shown = (at) => ({ INPUT: at.value, SELECT: at.selectedOptions?.[0]?.text, IMG: at.alt })[at.tagName]
            ?? at.textContent;
        const boxes = {};
        for (const { name, parent } of controls) {
            const box = element(name).getBoundingClientRect();
            const around = (parent ? element(parent) : element(name).closest('.client')).getBoundingClientRect();
            boxes[name] = { left: box.left - around.left, top: box.top - around.top, width: box.width,
                height: box.height, text: shown(element(name)) };
        }
        return boxes;
    }, window.controls.map(({ name, parent }) => ({ name, parent })));
}

describe('every control where the window suites expect it, at 96 DPI', () => {
    pages.forEach((tab, index) => {
        test(`main window, ${tab.name} shown`, async () => {
            await showTab(page, tab.name);
            const boxes = await Boxes(mainWindow);
            for (const { name, rect: [left, top, width, height], text } of layout.places.filter((p) => p.tab === index)) {
                const box = boxes[name];
                assert.deepEqual([box.left, box.top, box.text], [left, top, text], name);
                if (width)
                    assert.equal(box.width, width, name);
                if (height)
                    assert.equal(box.height, height, name);
            }
            // The groups across the page from its top edge down, one of
            // them filling what the others leave.
            const docked = layout.dockedPages.find((p) => p.page === tab.name);
            let top = 0;
            for (const { name, height, caption } of docked?.groups ?? []) {
                const box = boxes[name];
                assert.deepEqual([box.left, box.top, box.width], [0, top, boxes[tab.name].width], name);
                if (height)
                    assert.equal(box.height, height, name);
                assert.equal(await page.evaluate((id) => document.getElementById(id).querySelector(':scope > legend')
                    ?.textContent ?? '', name), caption, name);
                top += box.height;
            }
            if (docked)
                assert.equal(top, boxes[tab.name].height, `the groups fill ${tab.name}`);
        });
    });
    test('the window: client area, status bar at its foot, tab control above it', async () => {
        const boxes = await Boxes(mainWindow);
        const [width, height] = layout.mainClient;
        assert.deepEqual([boxes.sbTitle.top + boxes.sbTitle.height, boxes.sbTitle.width, boxes.sbTitle.height],
            [height, width, layout.statusBarHeight]);
        assert.deepEqual([boxes.MainPage.top, boxes.MainPage.height], [0, height - layout.statusBarHeight]);
        assert.equal((await page.locator('#sbTitle-1').boundingBox()).width, layout.webPanelWidth);
    });
    test('list window', async () => {
        await showTab(page, 'tbStudy');
        await page.click('#btnShow');
        await openWindow(page);
        const boxes = await Boxes(resultWindow);
        const rect = ({ left, top, width, height }) => [left, top, width, height];
        assert.deepEqual(rect(boxes.GBResult), layout.resultGroup);
        assert.deepEqual(rect(boxes.btnOK), layout.okButton);
        assert.equal(boxes.btnOK.text, 'OK');
        // The text fills its group, inside the group's frame.
        const { left, top, width, height } = boxes.memLog;
        assert.ok(left >= 0 && top >= 0 && left + width <= layout.resultGroup[2] && top + height <= layout.resultGroup[3]
            && width > layout.resultGroup[2] - 8 && height > layout.resultGroup[3] - 24, JSON.stringify(boxes.memLog));
        const client = await page.locator('#frmResult > .client').boundingBox();
        assert.deepEqual([client.width, client.height], layout.resultClient);
        await page.click('#btnOK');
        await page.locator('dialog').waitFor({ state: 'detached' });
    });
});

describe('the main window', () => {
    test('its caption is the page title', async () => assert.equal(await page.title(), mainWindow.caption));
    test('client area, centred, not changed by the viewport', async () => {
        for (const viewport of [{ width: 800, height: 600 }, { width: 1280, height: 900 }]) {
            await page.setViewportSize(viewport);
            const box = await page.locator('#frmMain').boundingBox();
            assert.deepEqual([box.width, box.height], [mainWindow.clientWidth, mainWindow.clientHeight]);
            assert.deepEqual([box.x + box.width / 2, box.y + box.height / 2], [viewport.width / 2, viewport.height / 2]);
        }
        await page.setViewportSize({ width: 800, height: 600 });
    });
    test('the tabs: one "&" on the third, the first page shown', async () => {
        const tabs = await page.locator('#MainPage [role=tab]').allTextContents();
        assert.deepEqual(tabs, ['Study Function for Master Role', 'iBeacon function for Slave Role', 'Quorinet&Zelvane']);
    });
    test('status bar: the web address centred, right to left, in 160 pixels; then the e-mail address', async () => {
        const panels = await page.locator('#sbTitle > .panel').evaluateAll((spans) => spans.map((span) => {
            const style = getComputedStyle(span);
            return { text: span.textContent, width: span.getBoundingClientRect().width, align: style.textAlign,
                direction: style.direction, right: span.getBoundingClientRect().right };
        }));
        const right = (await page.locator('#sbTitle').boundingBox()).x + mainWindow.clientWidth;
        assert.deepEqual(panels.map(({ right: _, ...panel }) => panel), [
            { text: 'www.brenvik.example', width: 160, align: 'center', direction: 'rtl' },
            { text: 'support@brenvik.example', width: mainWindow.clientWidth - 160, align: 'start', direction: 'ltr' },
        ]);
        assert.equal(panels[1].right, right);
    });
    test('the logo and "Building......"', async () => {
        await showTab(page, 'TabSheet1');
        const logo = await page.locator('#imgLogo').evaluate((img) => [img.complete && img.naturalWidth > 0,
            img.width, img.height]);
        assert.deepEqual(logo, [true, 32, 32]);
        assert.equal(await page.textContent('#lbBuilding'), 'Building......');
    });
});

// The faces Chromium drew the form's texts in, and whether each is a
// face the page brought (a web font).
async function FacesUsed() {
    const { root } = await cdp.send('DOM.getDocument', { depth: -1 });
    const faces = new Set();
    for (const selector of ['#lbHelp1', '#btnShow', '#GBUUIDType-caption']) {
        const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector });
        const { fonts } = await cdp.send('CSS.getPlatformFontsForNode', { nodeId });
        fonts.forEach((font) => faces.add(`${font.familyName}${font.isCustomFont ? ' (bundled)' : ''}`));
    }
    return [...faces];
}

const faces = [
    { name: "the system's faces", face: '"MS Sans Serif", sans-serif', bundled: false },
    { name: 'the bundled face alone', face: '"Brenvik Sans"', bundled: true },
];

// The fit of every text with each face: engines.test.js.
describe('the face drawn is the one asked for', () => {
    for (const { name, face, bundled } of faces) {
        test(name, async () => {
            await page.reload();
            await page.evaluate(async (family) => {
                document.documentElement.style.setProperty('--form-face', family);
                await document.fonts.ready;
            }, face);
            const used = await FacesUsed();
            assert.ok(used.length > 0 && used.every((used) => used.endsWith('(bundled)') === bundled), used.join(', '));
        });
    }
});
