// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The three engines the page is driven in, behind one small interface, so
// that a suite is written once for all of them:
//   const session = await engine.open();   the built page in a fresh window
//   await session.evaluate(fn, arg)        fn(arg) run in the page, its result
//   await session.click(selector)          a click, as the engine's own input
//   await session.reload(); await session.close();
// Chromium through playwright-core, Firefox through puppeteer-core over
// WebDriver BiDi, WebKitGTK (its MiniBrowser, on the X display) through
// the W3C WebDriver protocol that WebKitWebDriver speaks.

import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { createServer } from 'node:net';
import puppeteer from 'puppeteer-core';
import { launch, openPage, pageUrl } from './support.js';

// Large enough for the whole form and the whole list window.
const Window = { width: 900, height: 700 };

const chromium = {
    name: 'Chromium',
    async open() {
        const browser = await launch();
        const { page } = await openPage(browser, { viewport: Window });
        return {
            evaluate: (fn, arg) => page.evaluate(fn, arg),
            click: (selector) => page.click(selector),
            reload: () => page.reload(),
            close: () => browser.close(),
        };
    },
};

const firefox = {
    name: 'Firefox',
    async open() {
        const browser = await puppeteer.launch({
            browser: 'firefox', protocol: 'webDriverBiDi', headless: true,
            executablePath: process.env.BRENVIK_FIREFOX ?? '/usr/bin/firefox-esr',
        });
        const page = await browser.newPage();
        await page.setViewport(Window);
        await page.goto(pageUrl);
        return {
            evaluate: (fn, arg) => page.evaluate(fn, arg),
            click: (selector) => page.click(selector),
            reload: () => page.reload(),
            close: () => browser.close(),
        };
    },
};

async function FreePort() {
    const server = createServer().listen(0, '127.0.0.1');
    await once(server, 'listening');
    const { port } = server.address();
    server.close();
    return port;
}

const webkit = {
    name: 'WebKitGTK',
    async open() {
        const port = await FreePort();
        const driver = spawn(process.env.BRENVIK_WEBKIT_DRIVER ?? 'WebKitWebDriver', [`--port=${port}`],
            { stdio: 'ignore' });
        const call = async (method, path, body) => {
            const response = await fetch(`http://127.0.0.1:${port}${path}`, {
                method, headers: { 'content-type': 'application/json' }, body: body && JSON.stringify(body),
            });
            const { value } = await response.json();
            if (!response.ok)
                throw new Error(`WebKitWebDriver: ${value.error}: ${value.message}`);
            return value;
        };
        for (let tries = 0; ; ++tries) {
            try {
                if ((await call('GET', '/status')).ready)
                    break;
            } catch (error) {
                if (tries > 100)
                    throw error;
            }
            await new Promise((resolve) => setTimeout(resolve, 100));
        }
        const { sessionId } = await call('POST', '/session', { capabilities: { alwaysMatch: {
            'webkitgtk:browserOptions': {
                binary: process.env.BRENVIK_MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
                args: ['--automation'],
            },
        } } });
        const session = (method, path, body) => call(method, `/session/${sessionId}${path}`, body);
        await session('POST', '/window/rect', Window);
        await session('POST', '/url', { url: pageUrl });
        return {
            evaluate: (fn, arg) => session('POST', '/execute/sync',
                { script: `return (${fn})(arguments[0]);`, args: [arg ?? null] }),
            async click(selector) {
                const element = await session('POST', '/element', { using: 'css selector', value: selector });
                await session('POST', `/element/${Object.values(element)[0]}/click`, {});
            },
            reload: () => session('POST', '/refresh', {}),
            async close() {
                await session('DELETE', '');
                driver.kill();
            },
        };
    },
};

export const engines = [chromium, firefox, webkit];

// Waits until fn(arg), run in the page, gives something other than null,
// false or undefined, and returns it.
export async function WaitFor(session, fn, arg) {
    for (let tries = 0; ; ++tries) {
        const seen = await session.evaluate(fn, arg);
        if (seen !== null && seen !== undefined && seen !== false)
            return seen;
        if (tries > 200)
            throw new Error(`waited in vain for ${fn}`);
        await new Promise((resolve) => setTimeout(resolve, 25));
    }
}
