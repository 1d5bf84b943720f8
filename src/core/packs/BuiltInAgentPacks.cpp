#include "core/packs/AgentPackCatalog.h"

#include <array>
#include <initializer_list>

namespace ondi {
namespace {

// The connected apps the built-in helpers rely on; none is set up yet.
enum class Connector { files, sheets, browser, gmail, messages, calendar, documents, voice };

AgentPackConnector connector(Connector which) {
  static const std::array<AgentPackConnector, 8> connectors{{
      {"Files", "folder.fill", AccentTone::gold, "needs_setup"},
      {"Sheets", "tablecells.fill", AccentTone::green, "needs_setup"},
      {"Browser", "safari", AccentTone::blue, "needs_setup"},
      {"Gmail", "envelope.fill", AccentTone::clay, "needs_setup"},
      {"Messages", "bubble.left.and.bubble.right.fill", AccentTone::mint, "needs_setup"},
      {"Calendar", "calendar", AccentTone::blue, "needs_setup"},
      {"Documents", "doc.text.fill", AccentTone::blue, "needs_setup"},
      {"Voice", "waveform", AccentTone::clay, "needs_setup"},
  }};
  return connectors[static_cast<std::size_t>(which)];
}

AgentPackHelper helper(const char* id, const char* name, const char* role, const char* symbol,
                       std::vector<std::string> steps, std::initializer_list<Connector> apps) {
  std::vector<AgentPackConnector> connectors;
  for (Connector app : apps) connectors.push_back(connector(app));
  return {id, name, role, symbol, std::move(steps), std::move(connectors), "available"};
}

AgentPackWorkflow workflow(const char* id, const char* title, const char* detail,
                           const char* symbol, const char* prompt) {
  return {id, title, detail, prompt, symbol, "template"};
}

}  // namespace

// Each pack: id, audience, title, subtitle, overview, symbol, helpers, starter workflows, the
// approval rule's title and text, and no aliases.
std::vector<AgentUseCasePack> builtInAgentPacks() {
  return {
      {"business-commerce",
       AgentPackAudience::business,
       "Commerce",
       "Storefront, catalog, orders",
       "A launch-and-operations team for product catalogs, fulfillment, customer care, and quality "
       "review.",
       "cart.fill",
       {
           helper("commerce-catalog", "Catalog",
                  "Curate product data and prepare publish-ready listings", "shippingbox.fill",
                  {"Collect product inputs", "Check variants", "Prepare listing"},
                  {Connector::files, Connector::sheets, Connector::browser}),
           helper("commerce-orders", "Orders", "Track fulfillment and organize exceptions",
                  "bag.fill", {"Read order status", "Flag exceptions", "Draft next step"},
                  {Connector::gmail, Connector::sheets, Connector::browser}),
           helper("commerce-care", "Customer Care",
                  "Draft clear customer replies using order context", "headphones",
                  {"Review history", "Draft response", "Queue approval"},
                  {Connector::gmail, Connector::messages, Connector::files}),
           helper("commerce-review", "Launch Review",
                  "Check catalog and campaign work before it goes live", "checkmark.shield.fill",
                  {"Verify details", "Check links", "Hold for review"},
                  {Connector::browser, Connector::files, Connector::sheets}),
       },
       {
           workflow("commerce-launch", "Prepare a product launch",
                    "Coordinate listings, customer messaging, and a final review.", "rocket.fill",
                    "Prepare a commerce product launch. Ask for the products, launch date, "
                    "channels, and owner approvals, then coordinate the Catalog, Customer Care, "
                    "and Launch Review helpers."),
           workflow(
               "commerce-orders", "Triage order exceptions",
               "Sort delays, missing details, and customer follow-ups.",
               "shippingbox.and.arrow.backward.fill",
               "Triage my current order exceptions. Organize them by urgency, identify missing "
               "context, and draft only the follow-ups that are ready for owner review."),
           workflow("commerce-catalog", "Audit the catalog",
                    "Find incomplete listings and inconsistent product data.", "checklist",
                    "Audit my product catalog for missing details, inconsistent variants, broken "
                    "links, and customer-facing clarity. Return a prioritized review list before "
                    "proposing edits."),
       },
       "Commerce approval gate",
       "Publishing, customer sends, refunds, price changes, and purchases always require owner "
       "approval.",
       {}},
      {"business-restaurants",
       AgentPackAudience::business,
       "Restaurants",
       "Guests, menus, daily service",
       "A restaurant operations team for reservations, menu readiness, guest communication, and "
       "daily service review.",
       "fork.knife",
       {
           helper("restaurants-reservations", "Reservations",
                  "Organize booking requests, waitlists, and guest notes", "calendar.badge.clock",
                  {"Review requests", "Check availability", "Draft confirmation"},
                  {Connector::calendar, Connector::gmail, Connector::messages}),
           helper("restaurants-menu", "Menu",
                  "Maintain accurate menu details, availability, and pricing drafts",
                  "menucard.fill", {"Collect updates", "Check details", "Prepare menu"},
                  {Connector::files, Connector::documents, Connector::sheets}),
           helper("restaurants-guest-care", "Guest Care",
                  "Draft thoughtful replies to questions, feedback, and reviews",
                  "person.2.wave.2.fill", {"Review context", "Draft response", "Queue approval"},
                  {Connector::gmail, Connector::messages, Connector::browser}),
           helper("restaurants-service-review", "Service Review",
                  "Check daily readiness across service, inventory, and promotions",
                  "checkmark.shield.fill", {"Review checklist", "Flag gaps", "Prepare briefing"},
                  {Connector::sheets, Connector::files, Connector::browser}),
       },
       {
           workflow("restaurants-service", "Prepare today's service",
                    "Coordinate reservations, menu availability, and the pre-service briefing.",
                    "fork.knife",
                    "Prepare today's restaurant service. Review reservations, menu availability, "
                    "guest notes, and operational gaps, then create a concise pre-service briefing "
                    "for manager approval."),
           workflow("restaurants-menu", "Update a menu",
                    "Organize verified menu, pricing, and availability changes.", "menucard.fill",
                    "Prepare a restaurant menu update using only verified item names, "
                    "descriptions, allergen notes, prices, and availability. Clearly flag missing "
                    "information and pause before publishing."),
           workflow("restaurants-feedback", "Triage guest feedback",
                    "Group feedback and prepare manager-reviewed responses.", "quote.bubble.fill",
                    "Triage this restaurant guest feedback by topic, urgency, and required "
                    "follow-up. Draft empathetic responses where appropriate and hold every "
                    "outbound message for manager approval."),
       },
       "Restaurant manager gate",
       "Guest messages, reservation changes, menu publication, price changes, refunds, and "
       "purchases require manager approval.",
       {}},
      {"business-healthcare",
       AgentPackAudience::business,
       "Healthcare",
       "Patients, scheduling, administration",
       "A healthcare administration team for patient intake, appointment coordination, "
       "communication drafts, and record-completeness review.",
       "cross.case.fill",
       {
           helper("healthcare-intake", "Patient Intake",
                  "Organize administrative intake details and surface missing forms",
                  "person.text.rectangle.fill",
                  {"Review intake", "Flag missing items", "Prepare summary"},
                  {Connector::documents, Connector::files, Connector::gmail}),
           helper("healthcare-scheduling", "Scheduling",
                  "Prepare appointment options and administrative reminders",
                  "calendar.badge.clock", {"Review request", "Check options", "Draft reminder"},
                  {Connector::calendar, Connector::gmail, Connector::messages}),
           helper("healthcare-communication", "Patient Communication",
                  "Draft clear non-clinical messages for staff review", "message.fill",
                  {"Review context", "Draft message", "Queue approval"},
                  {Connector::gmail, Connector::messages, Connector::documents}),
           helper("healthcare-records", "Records Review",
                  "Check administrative records for completeness without interpreting care",
                  "doc.text.magnifyingglass",
                  {"Inventory records", "Check completeness", "Flag for staff"},
                  {Connector::documents, Connector::files, Connector::sheets}),
       },
       {
           workflow("healthcare-intake", "Prepare patient intake",
                    "Organize forms and missing administrative information.", "person.badge.plus",
                    "Prepare this new-patient intake for authorized staff review. Organize the "
                    "supplied administrative details, identify missing forms or contact "
                    "information, and do not infer any clinical facts."),
           workflow("healthcare-followup", "Coordinate appointment follow-up",
                    "Prepare scheduling options and non-clinical reminders.",
                    "calendar.badge.clock",
                    "Coordinate this healthcare appointment follow-up. Summarize the scheduling "
                    "request, identify missing administrative context, draft options and "
                    "reminders, and hold all changes and sends for staff approval."),
           workflow("healthcare-records", "Review administrative records",
                    "Find missing or inconsistent non-clinical documentation.",
                    "doc.badge.magnifyingglass",
                    "Review these healthcare administrative records for completeness and "
                    "consistency. Flag missing documents, signatures, dates, or contact details "
                    "without interpreting symptoms, test results, diagnoses, or treatment."),
       },
       "Authorized staff gate",
       "Patient messages, appointment changes, record updates, billing actions, and anything "
       "clinical require authorized staff approval. This pack never diagnoses, recommends "
       "treatment, or makes medical decisions.",
       {}},
      {"business-real-estate",
       AgentPackAudience::business,
       "Real Estate",
       "Leads, listings, transactions",
       "A property-workflow team for lead organization, listing preparation, transaction "
       "follow-through, and document review.",
       "house.and.flag.fill",
       {
           helper("realestate-leads", "Lead Intake",
                  "Organize inquiries and prepare qualified follow-up",
                  "person.crop.circle.badge.questionmark",
                  {"Capture inquiry", "Identify needs", "Draft follow-up"},
                  {Connector::gmail, Connector::messages, Connector::sheets}),
           helper("realestate-listing", "Listing", "Prepare property details and marketing drafts",
                  "house.fill", {"Collect details", "Check completeness", "Draft listing"},
                  {Connector::files, Connector::documents, Connector::browser}),
           helper("realestate-transaction", "Transaction",
                  "Track milestones, documents, and deadlines", "calendar.badge.checkmark",
                  {"Read milestones", "Flag blockers", "Prepare update"},
                  {Connector::calendar, Connector::gmail, Connector::documents}),
           helper("realestate-review", "Document Review",
                  "Surface missing information for professional review", "doc.text.magnifyingglass",
                  {"Inventory files", "Flag gaps", "Prepare questions"},
                  {Connector::files, Connector::documents, Connector::gmail}),
       },
       {
           workflow("realestate-leads", "Triage new leads",
                    "Prioritize inquiries and prepare tailored replies.", "person.2.fill",
                    "Triage these real-estate leads by stated need, timing, location, and missing "
                    "information. Draft concise follow-ups and hold every send for approval."),
           workflow("realestate-listing", "Prepare a listing",
                    "Organize details and draft listing-ready copy.", "house.fill",
                    "Prepare this property listing. Identify missing facts, organize the verified "
                    "details, and draft accurate marketing copy without inventing claims."),
           workflow("realestate-transaction", "Review transaction status",
                    "Summarize milestones, blockers, and next dates.",
                    "calendar.badge.exclamationmark",
                    "Review this real-estate transaction status. Summarize completed milestones, "
                    "upcoming dates, missing documents, and questions for the licensed "
                    "professionals involved."),
       },
       "Property workflow gate",
       "Client messages, listing publication, offers, signatures, and legal or financial decisions "
       "always remain with the user and licensed professionals.",
       {}},
      {"personal-finance",
       AgentPackAudience::personal,
       "Personal Finance",
       "Budget, bills, goals",
       "A private planning team for understanding spending, organizing obligations, and tracking "
       "goals without moving money.",
       "dollarsign.circle.fill",
       {
           helper("finance-budget", "Budget",
                  "Categorize information and build a practical spending plan", "chart.pie.fill",
                  {"Collect totals", "Group spending", "Draft plan"},
                  {Connector::sheets, Connector::documents, Connector::files}),
           helper("finance-bills", "Bills", "Organize due dates and prepare reminders",
                  "calendar.badge.clock", {"List obligations", "Check dates", "Prepare reminders"},
                  {Connector::calendar, Connector::documents, Connector::gmail}),
           helper("finance-goals", "Goals", "Turn financial goals into measurable checkpoints",
                  "target", {"Define target", "Model checkpoints", "Track progress"},
                  {Connector::sheets, Connector::documents, Connector::calendar}),
           helper("finance-review", "Finance Review",
                  "Check assumptions and flag decisions for the user", "checkmark.shield.fill",
                  {"Verify inputs", "Stress-test plan", "Flag decisions"},
                  {Connector::sheets, Connector::documents, Connector::browser}),
       },
       {
           workflow("finance-month", "Plan the month",
                    "Build a budget and calendar from user-provided figures.", "calendar",
                    "Help me plan this month's personal finances. Ask for income, fixed "
                    "obligations, variable spending, savings goals, and upcoming exceptions, then "
                    "build a reviewable plan."),
           workflow("finance-spending", "Review spending",
                    "Find patterns without judging or changing accounts.", "chart.bar.xaxis",
                    "Review my spending data. Categorize it, show meaningful patterns, identify "
                    "uncertain entries, and suggest options I can evaluate. Do not initiate any "
                    "account action."),
           workflow("finance-goal", "Model a savings goal",
                    "Compare timelines and tradeoffs from supplied numbers.", "flag.checkered",
                    "Model my savings goal using only the figures I provide. Show a few timelines, "
                    "assumptions, and tradeoffs, and clearly label uncertainty."),
       },
       "Money stays owner-controlled",
       "Ondi can organize and model information, but it never transfers funds, changes accounts, "
       "purchases products, or gives individualized financial advice.",
       {}},
      {"personal-trading",
       AgentPackAudience::personal,
       "Trading & Markets",
       "Research, risk, journal",
       "A research-only team for gathering evidence, testing a thesis, documenting risk, and "
       "maintaining a decision journal.",
       "chart.xyaxis.line",
       {
           helper("trading-research", "Market Research",
                  "Collect current primary-source market context", "globe.americas.fill",
                  {"Define question", "Gather sources", "Summarize evidence"},
                  {Connector::browser, Connector::documents, Connector::sheets}),
           helper("trading-thesis", "Thesis",
                  "Separate evidence, assumptions, and invalidation criteria", "lightbulb.fill",
                  {"State thesis", "Test assumptions", "Define invalidation"},
                  {Connector::documents, Connector::sheets, Connector::browser}),
           helper("trading-risk", "Risk", "Model scenarios and position-independent risk limits",
                  "exclamationmark.shield.fill",
                  {"List scenarios", "Estimate exposure", "Flag uncertainty"},
                  {Connector::sheets, Connector::documents, Connector::browser}),
           helper("trading-journal", "Decision Journal", "Record rationale, outcomes, and lessons",
                  "book.closed.fill", {"Capture rationale", "Record outcome", "Extract lesson"},
                  {Connector::documents, Connector::sheets, Connector::calendar}),
       },
       {
           workflow("trading-research", "Research a market question",
                    "Build a source-backed brief with uncertainty visible.", "magnifyingglass",
                    "Research this market question using current primary sources. Separate "
                    "verified facts, interpretation, uncertainty, and what evidence would change "
                    "the conclusion. This is research only, not a trade instruction."),
           workflow("trading-thesis", "Stress-test a thesis",
                    "Challenge assumptions and define invalidation criteria.",
                    "arrow.triangle.branch",
                    "Stress-test my market thesis. Identify hidden assumptions, strongest "
                    "counterarguments, key risks, evidence gaps, and clear invalidation criteria. "
                    "Do not recommend or place a trade."),
           workflow("trading-journal", "Review my journal",
                    "Find recurring decision patterns and process gaps.", "book.pages.fill",
                    "Review my trading journal for decision-process patterns, recurring errors, "
                    "and questions to add to my checklist. Focus on process quality rather than "
                    "return promises."),
       },
       "Research only",
       "The pack never places trades, logs into brokerage accounts, recommends a specific "
       "transaction, or changes financial settings. Every decision remains yours.",
       {}},
      {"personal-self-development",
       AgentPackAudience::personal,
       "Self Development",
       "Reflection, habits, learning",
       "A thoughtful team for turning personal goals into small experiments, reflection prompts, "
       "and repeatable routines.",
       "figure.mind.and.body",
       {
           helper("growth-reflection", "Reflection",
                  "Turn experiences into clear observations and questions", "sparkles",
                  {"Capture context", "Name patterns", "Form questions"},
                  {Connector::documents, Connector::voice, Connector::calendar}),
           helper("growth-habits", "Habit Builder",
                  "Design small routines with realistic cues and review points",
                  "repeat.circle.fill", {"Choose behavior", "Design cue", "Plan review"},
                  {Connector::calendar, Connector::documents, Connector::messages}),
           helper("growth-learning", "Learning", "Build focused learning paths and practice loops",
                  "graduationcap.fill", {"Set outcome", "Sequence practice", "Check recall"},
                  {Connector::browser, Connector::documents, Connector::calendar}),
           helper("growth-accountability", "Accountability",
                  "Prepare supportive check-ins from user-defined goals", "checkmark.circle.fill",
                  {"Review commitment", "Note evidence", "Prepare check-in"},
                  {Connector::calendar, Connector::messages, Connector::documents}),
       },
       {
           workflow("growth-week", "Plan a focused week",
                    "Choose a small goal, practice, and review rhythm.", "calendar.badge.plus",
                    "Help me design a focused week around one self-development goal. Ask what "
                    "matters, what has failed before, and what time I realistically have, then "
                    "propose a small experiment."),
           workflow(
               "growth-reflect", "Run a reflection",
               "Turn a recent experience into useful observations.", "text.bubble.fill",
               "Guide me through a concise reflection on this experience. Ask neutral questions, "
               "separate facts from interpretation, and help me choose one next experiment."),
           workflow(
               "growth-learn", "Build a learning plan", "Create a practice path with checkpoints.",
               "graduationcap.fill",
               "Build a learning plan for this skill. Define an observable outcome, a sequence of "
               "practice, retrieval checks, and a weekly review that fits my available time."),
       },
       "You set the direction",
       "Ondi can prompt, organize, and remind. Personal decisions, sensitive messages, health "
       "choices, and schedule changes remain yours.",
       {}},
      {"personal-career",
       AgentPackAudience::personal,
       "Career Growth",
       "Opportunities, materials, practice",
       "A career team for researching roles, tailoring materials, preparing outreach, and "
       "practicing interviews.",
       "briefcase.fill",
       {
           helper("career-opportunity", "Opportunity",
                  "Research roles and compare them with user priorities",
                  "magnifyingglass.circle.fill",
                  {"Define criteria", "Research roles", "Compare fit"},
                  {Connector::browser, Connector::sheets, Connector::documents}),
           helper("career-resume", "Resume", "Tailor truthful materials to a specific opportunity",
                  "doc.text.fill", {"Read role", "Map evidence", "Draft revision"},
                  {Connector::documents, Connector::files, Connector::browser}),
           helper("career-network", "Networking", "Prepare concise, personalized outreach drafts",
                  "person.2.fill", {"Review context", "Find relevance", "Draft outreach"},
                  {Connector::gmail, Connector::browser, Connector::documents}),
           helper("career-interview", "Interview",
                  "Practice evidence-backed answers and follow-up questions", "person.wave.2.fill",
                  {"Choose stories", "Practice answer", "Review clarity"},
                  {Connector::voice, Connector::documents, Connector::browser}),
       },
       {
           workflow(
               "career-roles", "Research target roles",
               "Compare opportunities using user-defined criteria.", "binoculars.fill",
               "Research target roles for my career goals. Ask for my constraints and priorities, "
               "then compare roles with evidence and clearly distinguish facts from inference."),
           workflow("career-application", "Tailor an application",
                    "Map verified experience to a specific role.", "doc.badge.arrow.up.fill",
                    "Help tailor my application to this role using only my real experience. "
                    "Identify evidence gaps, draft truthful revisions, and hold any submission or "
                    "outreach for my approval."),
           workflow("career-interview", "Practice an interview",
                    "Turn experience into concise, grounded answers.", "waveform.and.mic",
                    "Run a practice interview for this role. Ask one question at a time, help me "
                    "ground answers in real examples, and finish with a focused improvement plan."),
       },
       "Application approval gate",
       "Applications, messages, profile edits, scheduling, and public posts are never submitted "
       "without your explicit approval.",
       {}},
  };
}

}  // namespace ondi
