// The web page of Qismaru. The case's session, its entry rules, checks,
// answers, texts and figures are the C++ of the desktop program and of
// qismaru-calc, compiled to WebAssembly (qismaru.js): this script shows what
// they say and passes the user's presses on to them.
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);
  const views = qismaruViews;

  let engine = null; // the module: catalogue(), readEstateForm(), ...
  let pageCase = null; // the case's session (C++ PageCase)
  let catalogue = null; // heir kinds, schools, the estate form's words
  let estateForm = null; // the estate form's texts, as the user gave them
  let fileName = null; // the case file the case came from or went to

  // A message box: the text alone and OK; resolves when it is closed.
  function tell(text) {
    const dialog = $('message-dialog');
    $('message-text').textContent = text;
    return new Promise((resolve) => {
      dialog.addEventListener('close', () => resolve(), { once: true });
      dialog.showModal();
      $('message-ok').focus();
    });
  }

  function positions() {
    return JSON.parse(pageCase.positions());
  }

  // The entry list and every control that depends on the state of the case.
  function showEntries() {
    const entries = JSON.parse(pageCase.entries());
    views.entryList(entries);
    const computed = pageCase.computed();
    for (const button of $('heir-buttons').children) button.disabled = computed;
    $('calculate').disabled = !pageCase.canCalculate();
    // Cancel last withdraws an heir of the buttons; a relative by path is
    // withdrawn in the relation builder.
    $('cancel-last').disabled = computed || !entries.some((entry) => entry.row > 0);
    $('add-relative').disabled = computed;
    $('mark-waiting').disabled = computed;
    $('mark-together').disabled = computed;
    const marks = [...qismaruWaiting.marks(), ...qismaruTogether.marks()];
    $('waiting-marks').replaceChildren(...marks.map((mark) => views.cell('li', mark)));
    $('waiting-marks').hidden = marks.length === 0;
    return entries;
  }

  function pressHeir(code) {
    const pressed = JSON.parse(pageCase.press(code));
    if (pressed.outcome === 'refused') tell(pressed.message);
    else if (pressed.outcome === 'entered') showEntries();
    else if (pressed.outcome === 'askCount') askCount(code);
  }

  function askCount(code) {
    const kind = catalogue.kinds.find((k) => k.code === code);
    $('count-kind').textContent = kind.name;
    const input = $('count-input');
    input.max = catalogue.maxCount;
    input.value = '1';
    $('count-dialog').showModal();
    input.select();
  }

  // The number typed, 0 for anything that is not one; above the largest
  // count, nothing (the limit is said instead).
  function typedCount(input) {
    const text = input.value.trim();
    const count = /^[0-9]+$/.test(text) ? Number(text) : 0;
    if (count <= catalogue.maxCount) return count;
    tell(catalogue.countLimitText).then(() => input.select());
    return null;
  }

  function confirmCount(event) {
    event.preventDefault();
    const input = $('count-input');
    const count = typedCount(input);
    if (count === null) return;
    const result = JSON.parse(pageCase.confirmCount(count));
    if (result.outcome === 'recorded') {
      $('count-dialog').close('recorded');
      showEntries();
    } else if (result.outcome === 'refused') {
      tell(result.message).then(() => input.select());
    } else {
      input.select();
    }
  }

  function cancelCount() {
    pageCase.cancelCount();
    $('count-dialog').close('cancelled');
  }

  // What Calculate, or a change of the positions, came to: the answer
  // shown, or the reason it was refused.
  async function shown(result) {
    showEntries();
    showAnswer();
    // The address names the case shown; a case refused under the chosen
    // school is not the one a link would reopen.
    // Those who died together have no link: their case is no list of heirs.
    if (result.outcome === 'answered' && qismaruTogether.marks().length === 0) keepLink();
    else forgetLink();
    if (result.outcome === 'refused' || result.outcome === 'beyond') await tell(result.said.join('\n'));
  }

  async function calculate() {
    if (!pageCase.canCalculate()) return;
    const started = performance.now();
    const result = JSON.parse(pageCase.calculate());
    await shown(result);
    if (result.outcome === 'answered') {
      performance.measure('qismaru-calculate', { start: started, end: performance.now() });
      bringIntoView($('result'));
    }
  }

  // On a phone the answer stands below the heirs' buttons: Calculate brings
  // it up, where a wide screen shows it beside them already.
  function bringIntoView(element) {
    const top = element.getBoundingClientRect().top;
    if (top < 0 || top > window.innerHeight / 2) element.scrollIntoView({ block: 'start' });
  }

  // The answer of the case on screen, or none while the case is open.
  function showAnswer() {
    const view = JSON.parse(pageCase.view());
    const answered = view.outcome !== 'open';
    $('result').hidden = !answered;
    if (!answered) return;
    $('positions-line').textContent = view.positionsLine;
    const difference = $('hanafi-difference');
    difference.hidden = !view.differsFromHanafi;
    difference.textContent = view.differenceMark;
    difference.title = view.differenceNote;
    views.resultTable(view.table);
    $('case-messages').replaceChildren(...view.announcements.map((said) => views.cell('p', said)));
    views.steps(view);
    $('show-steps').disabled = view.steps.length === 0;
    views.settlement(view.estate);
    views.laterDeaths(view.later);
    views.waiting(view.waiting);
    $('add-later').disabled = !view.canAddLater;
    $('remove-later').disabled = !view.later;
    $('copy-text').dataset.text = view.text;
    $('copied').textContent = '';
  }

  // The school and positions are kept between visits, as the desktop keeps
  // them between runs; a case's link or file brings its own.
  const keptPositions = 'qismaru.positions';

  function keepPositions() {
    try {
      localStorage.setItem(keptPositions, pageCase.positions());
    } catch (error) {
      // A browser that keeps nothing for this page: the choice lasts the visit.
    }
    showPositions();
  }

  function keptOrDefaultPositions() {
    try {
      return localStorage.getItem(keptPositions) || pageCase.positions();
    } catch (error) {
      return pageCase.positions();
    }
  }

  async function setPositions(next) {
    const result = JSON.parse(pageCase.setPositions(JSON.stringify(next)));
    keepPositions();
    if (result.outcome !== 'unchanged') await shown(result);
  }

  function showPositions() {
    const chosen = positions();
    $('school').value = chosen.school;
    $('spouse-return').checked = chosen.spouseReturn;
    $('no-return').checked = chosen.noReturn;
    const school = catalogue.schools.find((s) => s.key === chosen.school);
    $('no-return').disabled = !school.mayRefuseReturn;
    // Why it cannot be chosen, where a phone's user, who has no tooltip, sees it.
    $('no-return-why').textContent = school.noReturnHindrance;
    $('no-return-why').hidden = school.mayRefuseReturn;
    $('no-return').parentElement.title = school.noReturnHindrance;
  }

  function cancelLast() {
    if (pageCase.cancelLast() > 0) showEntries();
  }

  function mayLeaveCase() {
    return !pageCase.hasUnsavedWork() || window.confirm('في المسألة عمل لم يحفظ. أتتركه؟');
  }

  function forgetCase() {
    estateForm = null;
    fileName = null;
    qismaruTogether.forget();
    $('result').hidden = true;
    forgetLink();
  }

  function forgetLink() {
    history.replaceState(null, '', location.pathname + location.search);
  }

  function newCase() {
    if (!mayLeaveCase()) return;
    pageCase.newCase();
    forgetCase();
    showEntries();
  }

  function linkOfCase() {
    const heirs = JSON.parse(pageCase.entries())
      .map((entry) => entry.code + '=' + entry.count)
      .join(',');
    const chosen = positions();
    let link = '#case=' + heirs + '&school=' + chosen.school;
    if (chosen.spouseReturn) link += '&spouseReturn=1';
    if (chosen.noReturn) link += '&noReturn=1';
    return link + qismaruWaiting.linkOf() + linkOfEstate();
  }

  // The estate in a link, named as qismaru-calc's options name it.
  const estateLinkNames = ['estate', 'funeral', 'debts', 'bequest'];

  function linkOfEstate() {
    if (!estateForm) return '';
    let link = '';
    estateForm.amounts.forEach((amount, i) => {
      if (amount !== '') link += '&' + estateLinkNames[i] + '=' + encodeURIComponent(amount).replace(/%2C/g, ',');
    });
    if (estateForm.heirsConsent) link += '&heirsConsent=1';
    if (estateForm.decimals !== null) link += '&decimals=' + estateForm.decimals;
    return link;
  }

  // The estate a link names, read as the estate dialog reads its fields:
  // true when there is none or it was entered, false when it was refused.
  async function enterLinkedEstate(link, truth) {
    if (!link.has('estate')) return true;
    const form = {
      amounts: estateLinkNames.map((name) => link.get(name) || ''),
      heirsConsent: truth('heirsConsent'),
      decimals: link.has('decimals') ? Number(link.get('decimals')) : catalogue.estateForm.defaultDecimals,
    };
    const reading = JSON.parse(engine.readEstateForm(JSON.stringify(form)));
    if (!reading.ok) {
      await tell(reading.message);
      return false;
    }
    pageCase.setEstate(JSON.stringify(reading.estate));
    estateForm = reading.form;
    return true;
  }

  // The address of the page names the computed case, so that it can be
  // kept or sent, and reopens it.
  function keepLink() {
    history.replaceState(null, '', location.pathname + location.search + linkOfCase());
  }

  async function openLinkedCase() {
    const link = new URLSearchParams(location.hash.slice(1));
    const heirs = link.get('case');
    if (heirs === null || location.hash === linkOfCase()) return;
    const key = link.get('school') || 'hanafi';
    if (!catalogue.schools.some((s) => s.key === key)) {
      await tell('لا يعرف البرنامج المذهب المذكور في الرابط: ' + key);
      return;
    }
    const entered = JSON.parse(pageCase.enterLink(heirs, key));
    if (!entered.ok) {
      await tell(entered.message);
      return;
    }
    forgetCase();
    const truth = (name) => link.get(name) === '1' || link.get(name) === 'true';
    pageCase.setPositions(JSON.stringify({ school: key, spouseReturn: truth('spouseReturn'), noReturn: truth('noReturn') }));
    keepPositions();
    const refused = qismaruWaiting.fromLink(link);
    if (refused) {
      await tell(refused);
      return;
    }
    showEntries();
    if (!(await enterLinkedEstate(link, truth))) return;
    await calculate();
    if (link.has('outcome') && pageCase.computed()) await recordLinkedOutcome(link.get('outcome'));
  }

  async function recordLinkedOutcome(name) {
    const recorded = JSON.parse(pageCase.recordOutcome(name));
    if (!recorded.ok) await tell(recorded.message);
    showAnswer();
    keepLink();
  }

  async function copyText(text) {
    try {
      await navigator.clipboard.writeText(text);
    } catch (error) {
      // Without the clipboard's permission: the old way, through a selection.
      const area = document.createElement('textarea');
      area.value = text;
      document.body.append(area);
      area.select();
      document.execCommand('copy');
      area.remove();
    }
    $('copied').textContent = 'نُسخ.';
  }

  function saveFile() {
    const text = pageCase.fileText();
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'application/json' }));
    link.download = fileName || 'مسألة' + catalogue.caseFileSuffix;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    fileName = link.download;
    pageCase.markSaved();
  }

  function chooseFile() {
    if (mayLeaveCase()) $('file-input').click();
  }

  async function openFile() {
    const file = $('file-input').files[0];
    $('file-input').value = '';
    if (!file) return;
    // One byte more than a case file may hold tells a case file from a larger one.
    const bytes = new Uint8Array(await file.slice(0, catalogue.maxCaseFileBytes + 1).arrayBuffer());
    const opened = JSON.parse(pageCase.openFile(bytes));
    if (!opened.ok) {
      await tell(opened.message + '\n' + file.name);
      return;
    }
    forgetCase();
    keepPositions();
    estateForm = opened.form;
    fileName = file.name;
    showEntries();
    if (opened.positionsMessage) await tell(opened.positionsMessage);
  }

  function openEstate() {
    const form = estateForm || { amounts: ['', '', '', ''], heirsConsent: false, decimals: null };
    const fields = $('estate-fields').querySelectorAll('input');
    fields.forEach((field, i) => {
      field.value = form.amounts[i];
    });
    $('estate-consent').checked = form.heirsConsent;
    $('estate-decimals').value = form.decimals ?? catalogue.estateForm.defaultDecimals;
    $('estate-problem').hidden = true;
    $('estate-dialog').showModal();
    fields[0].focus();
  }

  function estateChosen(chosen, form) {
    pageCase.setEstate(chosen ? JSON.stringify(chosen) : 'null');
    estateForm = form;
    $('estate-dialog').close();
    // The settlement follows at once when the case is answered already.
    if (pageCase.computed()) {
      showAnswer();
      keepLink();
    }
  }

  function acceptEstate(event) {
    event.preventDefault();
    const fields = [...$('estate-fields').querySelectorAll('input')];
    const form = {
      amounts: fields.map((field) => field.value),
      heirsConsent: $('estate-consent').checked,
      decimals: Number($('estate-decimals').value),
    };
    const reading = JSON.parse(engine.readEstateForm(JSON.stringify(form)));
    if (!reading.ok) {
      const problem = $('estate-problem');
      problem.textContent = reading.message;
      problem.hidden = false;
      fields[reading.field].focus();
      fields[reading.field].select();
      return;
    }
    estateChosen(reading.estate, reading.form);
  }

  function openHelp() {
    views.help(JSON.parse(engine.helpTexts(pageCase.positions())));
    const school = positions().school;
    for (const row of $('help-schools').querySelectorAll('tr')) {
      row.classList.toggle('current', row.dataset.school === school);
    }
    const dialog = $('help-dialog');
    dialog.showModal();
    // Read from its start: the close button is at its end.
    $('help-close').focus({ preventScroll: true });
    dialog.scrollTop = 0;
  }

  function connect() {
    $('calculate').addEventListener('click', calculate);
    $('cancel-last').addEventListener('click', cancelLast);
    $('new-case').addEventListener('click', newCase);
    $('count-form').addEventListener('submit', confirmCount);
    $('count-cancel').addEventListener('click', cancelCount);
    // Escape, like the close box of the desktop's dialog, cancels.
    $('count-dialog').addEventListener('cancel', (event) => {
      event.preventDefault();
      cancelCount();
    });
    $('school').addEventListener('change', () => setPositions({ ...positions(), school: $('school').value }));
    // The calculator refuses a return to the spouse and no return at once:
    // choosing one lets the other go.
    $('spouse-return').addEventListener('change', () =>
      setPositions({ ...positions(), spouseReturn: $('spouse-return').checked, noReturn: false })
    );
    $('no-return').addEventListener('change', () =>
      setPositions({ ...positions(), noReturn: $('no-return').checked, spouseReturn: false })
    );
    $('show-steps').addEventListener('click', () => {
      const section = $('steps-section');
      section.hidden = !section.hidden;
      $('show-steps').setAttribute('aria-expanded', String(!section.hidden));
    });
    $('copy-text').addEventListener('click', () => pageCase.computed() && copyText($('copy-text').dataset.text));
    $('copy-link').addEventListener('click', () => pageCase.computed() && copyText(location.href));
    $('print').addEventListener('click', () => pageCase.computed() && window.print());
    $('save-file').addEventListener('click', saveFile);
    $('open-file').addEventListener('click', chooseFile);
    $('file-input').addEventListener('change', openFile);
    $('estate-button').addEventListener('click', openEstate);
    $('estate-form').addEventListener('submit', acceptEstate);
    $('estate-cancel').addEventListener('click', () => $('estate-dialog').close());
    $('estate-none').addEventListener('click', () => estateChosen(null, null));
    $('help-button').addEventListener('click', openHelp);
    qismaruRelatives.connect({ pageCase, changed: showEntries });
    const answered = () => (showEntries(), showAnswer(), keepLink());
    qismaruWaiting.connect({ pageCase, catalogue, tell, changed: showEntries, answered });
    qismaruTogether.connect({ pageCase, changed: showEntries, calculate });
    qismaruLaterDeaths.connect({ pageCase, tell, typedCount, answered: () => (showEntries(), showAnswer()) });
    window.addEventListener('hashchange', () => {
      if (mayLeaveCase()) openLinkedCase();
    });
    window.addEventListener('beforeunload', (event) => {
      if (pageCase.hasUnsavedWork()) event.preventDefault();
    });
  }

  async function start() {
    engine = await createQismaru();
    pageCase = new engine.PageCase();
    catalogue = JSON.parse(engine.catalogue());
    views.heirButtons(catalogue.kinds, pressHeir);
    views.schools(catalogue.schools);
    views.estateForm(catalogue.estateForm);
    connect();
    for (const id of ['school', 'spouse-return', 'open-file', 'save-file', 'estate-button', 'help-button', 'new-case']) {
      $(id).disabled = false;
    }
    pageCase.setPositions(keptOrDefaultPositions());
    keepPositions();
    showEntries();
    $('loading').hidden = true;
    performance.mark('qismaru-ready');
    await openLinkedCase();
    document.body.dataset.ready = 'true';
    // The browser compiles the module's code when it first runs: one answer
    // in idle time, as Calculate asks for it and shown nowhere, spares the
    // first Calculate that wait.
    if (!pageCase.computed()) (window.requestIdleCallback || setTimeout)(() => engine.viewOfLine('{"h":1}'));
  }

  start().catch((error) => {
    $('loading').textContent = 'تعذر تشغيل الحاسبة في هذا المتصفح: ' + error.message;
  });
})();
